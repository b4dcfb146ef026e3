#ifndef KEYHEATMAP_H
#define KEYHEATMAP_H

#include <QList>
#include <QRectF>
#include <QWidget>
#include <memory>

#include "keyboard/keygeometry.h"
#include "drill/drillrecord.h"
#include "drill/speedunit.h"
#include "progress/keyskill.h"

// The keyboard of the chosen type with each key tinted by the learner's
// error rate on the characters it gives, plain and with Shift, or by their
// speed against the target (the slower of the two where both were timed).
// A key never practised (or never timed) keeps its plain face. A legend
// under the keys gives the scale and its unit. Hovering a key names its
// characters with their figures and what was typed in their place most
// often. Drawn from the same key geometry and key
// map as the keyboard pictures. The keyboard itself is never mirrored: it
// is the one on the desk, whatever the interface language.
class KeyHeatMap : public QWidget
{
    Q_OBJECT

public:
    // One key as drawn: where, what it gives, and the counts of that.
    struct Key
    {
        QRectF rect;
        QStringList characters;   // what the key gives, plain then shifted
        CharCount count;          // summed over those characters
        KeySkill skill;           // the slowest of those timed, if any
    };
    enum class Mode { Errors, Speed };
    // Confusions listed per character in the tooltip.
    static constexpr int ConfusionsShown = 3;

    explicit KeyHeatMap(QWidget* parent = nullptr);
    ~KeyHeatMap() override;

    void SetKeyboard(KeyboardLayout layout);
    KeyboardLayout Keyboard() const { return layout; }
    void SetTotals(const CharCounts& totals);
    void SetMode(Mode mode);
    Mode GetMode() const { return mode; }
    // The smoothed speeds and the target time they are measured against.
    void SetSkills(const KeySkills& skills, double targetMs);
    void SetConfusions(const Confusions& confusions);
    void SetSpeedUnit(SpeedUnit unit);
    // The character keys as they are drawn now, in widget coordinates.
    QList<Key> Keys() const;
    // What hovering at `pos` shows; empty off the character keys.
    QString ToolTipAt(const QPointF& pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The key block's area: the widget less the legend, at the pictures'
    // proportions.
    QRectF BlockArea() const;
    const KeyGeometry& Geometry() const;
    QList<QString> CharactersOf(const KeyGeometry::Key& key) const;
    void DrawLegend(QPainter& p, const QRectF& area) const;
    QColor Face(const Key& key) const;

    KeyboardLayout layout = KeyboardLayout::Kb101;
    CharCounts totals;
    Mode mode = Mode::Errors;
    KeySkills skills;
    double targetMs = 1000;
    SpeedUnit unit;
    Confusions confusions;
    // Built when first drawn, again after a resize or a change of keyboard.
    mutable std::unique_ptr<KeyGeometry> board;
    mutable QRectF boardArea;
};

#endif // KEYHEATMAP_H
