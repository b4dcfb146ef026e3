#ifndef JOINEDLABEL_H
#define JOINEDLABEL_H

#include <QGlyphRun>
#include <QHash>
#include <QLabel>
#include <QTextCharFormat>
#include <memory>
#include <vector>

class QTextDocument;

// A label whose rich text is drawn as the label would draw it, except that
// colours do not break the text apart: Qt shapes each run of one format on
// its own, so an Arabic word coloured letter by letter would show its
// letters in their isolated forms. Here the text is laid out once without
// its colours, every letter in the form it has in the whole text and every
// haraka on its letter, and then each glyph is painted in the colour (and
// on the background) its characters have in the label's text. The text
// itself stays what was set.
//
// Plain text is drawn by QLabel. The class adds no signal or property, so
// the label is a QLabel to the meta-object system too.
class JoinedLabel : public QLabel
{
public:
    explicit JoinedLabel(QWidget* parent = nullptr);
    ~JoinedLabel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The characters one glyph draws: one, or those of a ligature.
    struct Owner
    {
        int first = 0;  // into `owned`
        int count = 0;
    };
    struct Block
    {
        std::vector<QRgb> colour;      // per character; 0 for the label's own colour
        std::vector<QRgb> background;  // per character; 0 for none
        QList<QGlyphRun> runs;         // the block's glyphs, laid out once
        std::vector<std::vector<Owner>> owners;  // per run, per glyph
        std::vector<int> owned;        // characters of the block, as the owners list them
    };

    bool IsRich() const;
    // Reads the text's colours; lays the text out anew only when more than
    // its colours changed.
    void Parse() const;
    // Lays the document out `width` wide (-1: as wide as its text).
    void LayOut(qreal width) const;
    // Which characters each glyph of the block at `index` draws.
    void MapGlyphs(int index) const;
    QSize SizeForWidth(int width) const;
    QRect DocumentRect() const;

    mutable std::unique_ptr<QTextDocument> shaped;  // the text without its colours
    mutable std::unique_ptr<QTextDocument> measured;  // a copy laid out at other widths
    mutable QHash<int, QSize> measuredSizes;          // its sizes by the width asked
    static constexpr int MeasuredWidths = 8;          // at most so many kept
    mutable QString parsed;                         // the text it was read from
    mutable QString shapedText;                     // what it was laid out from
    mutable QList<QTextCharFormat> shapedFormats;
    mutable std::vector<Block> blocks;
    mutable qreal laidWidth = -2;
    mutable bool mapped = false;
};

#endif // JOINEDLABEL_H
