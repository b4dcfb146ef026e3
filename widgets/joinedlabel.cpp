#include "widgets/joinedlabel.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

namespace {

// A glyph of a laid-out block: its glyph and where it sits, in 1/64 pixel.
using GlyphKey = QPair<quint32, quint64>;

GlyphKey KeyOf(quint32 glyph, const QPointF& at)
{
    return {glyph, (quint64(quint32(qRound(at.x() * 64))) << 32) | quint32(qRound(at.y() * 64))};
}

bool IsMark(QChar c)
{
    return c.category() == QChar::Mark_NonSpacing;
}

// The colour a stretch of text is drawn in, and its glyphs.
struct Bucket
{
    QRgb colour;
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

} // namespace

JoinedLabel::JoinedLabel(QWidget* parent) : QLabel(parent) {}

JoinedLabel::~JoinedLabel() = default;

bool JoinedLabel::IsRich() const
{
    return textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()));
}

void JoinedLabel::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        parsed.clear();
        shaped.reset();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

void JoinedLabel::Parse() const
{
    if (shaped && parsed == text())
        return;
    parsed = text();
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    doc->setDefaultFont(font());
    doc->setHtml(parsed);

    // The colours by character, and the formats without them: where only
    // the colours changed, the text laid out before is drawn again.
    std::vector<Block> read;
    struct Strip
    {
        int from, length;
        QTextCharFormat format;
    };
    QList<Strip> strips;
    QList<QTextCharFormat> formats;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        Block block;
        block.colour.assign(size_t(b.length()), 0);
        block.background.assign(size_t(b.length()), 0);
        formats << b.blockFormat().toCharFormat();
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            QTextCharFormat format = f.charFormat();
            const QRgb colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color().rgba() : 0;
            const QRgb background
                = format.hasProperty(QTextFormat::BackgroundBrush) ? format.background().color().rgba() : 0;
            const int from = f.position() - b.position();
            std::fill_n(block.colour.begin() + from, f.length(), colour);
            std::fill_n(block.background.begin() + from, f.length(), background);
            format.clearForeground();
            format.clearBackground();
            if (!strips.isEmpty() && strips.last().format == format && strips.last().from + strips.last().length == f.position()) {
                strips.last().length += f.length();
                continue;
            }
            strips.append({f.position(), f.length(), format});
            QTextCharFormat marked = format;
            marked.setProperty(QTextFormat::UserProperty, f.position());
            formats << marked;
        }
        read.push_back(std::move(block));
    }
    const QString raw = doc->toRawText();
    if (shaped && raw == shapedText && formats == shapedFormats) {
        for (size_t i = 0; i < read.size() && i < blocks.size(); ++i) {
            blocks[i].colour = std::move(read[i].colour);
            blocks[i].background = std::move(read[i].background);
        }
        return;
    }
    // One format where only colours differed: the text is shaped as one.
    QTextCursor cursor(doc.get());
    for (const Strip& s : strips) {
        cursor.setPosition(s.from);
        cursor.setPosition(s.from + s.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(s.format);
    }
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setMargin(0);
    doc->rootFrame()->setFrameFormat(frame);
    shaped = std::move(doc);
    measured.reset();
    measuredSizes.clear();
    shapedText = raw;
    shapedFormats = formats;
    blocks = std::move(read);
    laidWidth = -2;
    mapped = false;
}

void JoinedLabel::LayOut(qreal width) const
{
    Parse();
    QTextOption option = shaped->defaultTextOption();
    const QTextOption::WrapMode wrap = wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap;
    if (option.alignment() != alignment() || option.wrapMode() != wrap) {
        option.setAlignment(alignment());
        option.setWrapMode(wrap);
        shaped->setDefaultTextOption(option);
        laidWidth = -2;
        measuredSizes.clear();
    }
    if (laidWidth == width)
        return;
    shaped->setTextWidth(width);
    shaped->documentLayout()->documentSize();
    laidWidth = width;
    mapped = false;
}

void JoinedLabel::MapGlyphs(int index) const
{
    Block& block = blocks[size_t(index)];
    const QTextBlock b = shaped->findBlockByNumber(index);
    const QTextLayout* layout = b.layout();
    // The whole block asked for by its length: a document's block layout
    // does not know its text, so the default range gives nothing.
    block.runs = layout->glyphRuns(0, b.length());
    block.owners.assign(size_t(block.runs.size()), {});
    block.owned.clear();
    QHash<GlyphKey, QPair<int, int>> where;
    for (int r = 0; r < block.runs.size(); ++r) {
        const QList<quint32> glyphs = block.runs[r].glyphIndexes();
        const QList<QPointF> positions = block.runs[r].positions();
        block.owners[size_t(r)].assign(size_t(glyphs.size()), Owner());
        for (int g = 0; g < glyphs.size(); ++g)
            where.insert(KeyOf(glyphs[g], positions[g]), {r, g});
    }

    // Qt gives the glyphs of one character; a character inside a cluster
    // (a letter with its marks, a ligature) gets the cluster's first glyph,
    // the cluster's last character all of its glyphs.
    const QString text = b.text();
    std::vector<QList<QPair<int, int>>> glyphsOf(size_t(text.size()));
    for (int i = 0; i < text.size(); ++i) {
        for (const QGlyphRun& run : layout->glyphRuns(i, 1)) {
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (int g = 0; g < glyphs.size(); ++g) {
                const auto found = where.constFind(KeyOf(glyphs[g], positions[g]));
                if (found != where.cend() && !glyphsOf[size_t(i)].contains(*found))
                    glyphsOf[size_t(i)] << *found;
            }
        }
    }
    auto own = [&](const QPair<int, int>& glyph, const QList<int>& chars) {
        Owner& o = block.owners[size_t(glyph.first)][size_t(glyph.second)];
        o.first = int(block.owned.size());
        o.count = int(chars.size());
        block.owned.insert(block.owned.end(), chars.begin(), chars.end());
    };
    for (int c = 0; c < text.size();) {
        int d = c + 1;
        while (d < text.size() && !glyphsOf[size_t(c)].isEmpty() && !glyphsOf[size_t(d)].isEmpty()
               && glyphsOf[size_t(d)].first() == glyphsOf[size_t(c)].first())
            ++d;
        QList<QPair<int, int>> glyphs;
        for (int i = c; i < d; ++i)
            for (const auto& g : glyphsOf[size_t(i)])
                if (!glyphs.contains(g))
                    glyphs << g;
        QList<int> bases, marks;
        for (int i = c; i < d; ++i)
            (IsMark(text.at(i)) ? marks : bases) << i;
        // A mark's glyph is the font's own for it, or one without width.
        QList<bool> taken(glyphs.size(), false);
        auto glyphId = [&](int k) { return block.runs[glyphs[k].first].glyphIndexes().at(glyphs[k].second); };
        QList<int> unmatched;
        for (int m : marks) {
            const QRawFont font = block.runs[glyphs.isEmpty() ? 0 : glyphs[0].first].rawFont();
            const quint32 nominal = font.glyphIndexesForString(QString(text.at(m))).value(0);
            int k = 1;
            while (k < glyphs.size() && (taken[k] || glyphId(k) != nominal))
                ++k;
            if (k < glyphs.size()) {
                taken[k] = true;
                own(glyphs[k], {m});
            } else {
                unmatched << m;
            }
        }
        for (int k = 1; k < glyphs.size() && !unmatched.isEmpty(); ++k) {
            if (taken[k])
                continue;
            const QRawFont font = block.runs[glyphs[k].first].rawFont();
            if (font.advancesForGlyphIndexes({glyphId(k)}).value(0).x() == 0) {
                taken[k] = true;
                own(glyphs[k], {unmatched.takeFirst()});
            }
        }
        // The rest are the letters': one each, a ligature's for several.
        QList<int> rest;
        for (int k = 0; k < glyphs.size(); ++k)
            if (!taken[k])
                rest << k;
        if (bases.isEmpty())
            bases << c;
        const int m = int(rest.size()), n = int(bases.size());
        for (int k = 0; k < m; ++k) {
            if (m >= n)
                own(glyphs[rest[k]], {bases[qMax(0, k - (m - n))]});
            else if (k == 0)
                own(glyphs[rest[k]], bases.mid(0, n - m + 1));
            else
                own(glyphs[rest[k]], {bases[n - m + k]});
        }
        c = d;
    }
}

QRect JoinedLabel::DocumentRect() const
{
    // As QLabel keeps its text off a frame.
    QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int m = indent();
    if (m < 0 && frameWidth())
        m = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (m > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft)
            rect.setLeft(rect.left() + m);
        if (align & Qt::AlignRight)
            rect.setRight(rect.right() - m);
        if (align & Qt::AlignTop)
            rect.setTop(rect.top() + m);
        if (align & Qt::AlignBottom)
            rect.setBottom(rect.bottom() - m);
    }
    return rect;
}

QSize JoinedLabel::SizeForWidth(int width) const
{
    int hextra = 2 * margin(), vextra = hextra;
    int m = indent();
    if (m < 0 && frameWidth())
        m = fontMetrics().horizontalAdvance(QLatin1Char('x')) - margin() * 2;
    if (m > 0) {
        if (alignment() & (Qt::AlignLeft | Qt::AlignRight))
            hextra += m;
        if (alignment() & (Qt::AlignTop | Qt::AlignBottom))
            vextra += m;
    }
    const QMargins cm = contentsMargins();
    // Laid out as wide as it is drawn unless asked for another width: the
    // widest line and the height do not depend on it without wrapping.
    LayOut(DocumentRect().width());
    const QSize extra(hextra + cm.left() + cm.right(), vextra + cm.top() + cm.bottom());
    const int asked = qMax(width - extra.width(), 0);
    if (wordWrap() && width >= 0 && asked != laidWidth) {
        // Another width is measured on a copy: the text drawn keeps its
        // layout and its glyphs' characters, which take long to find again.
        // Its sizes are kept until more than the colours change: a layout
        // asks for them again after every key, and a long text takes
        // longer than a frame to lay out at two more widths.
        QSize& text = measuredSizes[asked];
        if (!text.isValid()) {
            if (measuredSizes.size() > MeasuredWidths) {
                measuredSizes.clear();
                return SizeForWidth(width);
            }
            if (!measured)
                measured.reset(shaped->clone());
            measured->setDefaultTextOption(shaped->defaultTextOption());
            if (measured->textWidth() != asked)
                measured->setTextWidth(asked);
            text = QSize(qCeil(measured->size().width()), qCeil(measured->size().height()));
        }
        return (text + extra).expandedTo(minimumSize());
    }
    const QTextDocument* doc = shaped.get();
    const QSize text(qCeil(wordWrap() && width >= 0 ? doc->size().width() : doc->idealWidth()),
                     qCeil(doc->size().height()));
    return (text + extra).expandedTo(minimumSize());
}

QSize JoinedLabel::sizeHint() const
{
    return IsRich() ? SizeForWidth(-1) : QLabel::sizeHint();
}

QSize JoinedLabel::minimumSizeHint() const
{
    if (!IsRich())
        return QLabel::minimumSizeHint();
    // As QLabel: the least width a wrapped text needs, one line's height.
    QSize least = SizeForWidth(-1);
    if (wordWrap())
        least = QSize(SizeForWidth(0).width(), qMin(least.height(), SizeForWidth(QWIDGETSIZE_MAX).height()));
    return least;
}

int JoinedLabel::heightForWidth(int width) const
{
    return IsRich() ? SizeForWidth(width).height() : QLabel::heightForWidth(width);
}

void JoinedLabel::paintEvent(QPaintEvent* event)
{
    if (!IsRich())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    drawFrame(&painter);
    const QRect rect = DocumentRect();
    LayOut(rect.width());
    if (!mapped) {
        for (int i = 0; i < int(blocks.size()); ++i)
            MapGlyphs(i);
        mapped = true;
    }
    const qreal height = shaped->size().height();
    qreal top = 0;
    if (alignment() & Qt::AlignVCenter)
        top = qMax((rect.height() - height) / 2, qreal(0));
    else if (alignment() & Qt::AlignBottom)
        top = qMax(rect.height() - height, qreal(0));
    // Whole pixels, so that a glyph drawn in parts is drawn once at each.
    painter.translate(rect.x(), rect.y() + qRound(top));
    painter.setClipRect(QRect(0, 0, rect.width(), rect.height()));
    const QRgb own = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()).rgba();

    QTextBlock b = shaped->begin();
    for (const Block& block : blocks) {
        const QTextLayout* layout = b.layout();
        const QPointF origin = layout->position();
        b = b.next();
        // Backgrounds first, a run of one colour at a time, line by line.
        for (int l = 0; l < layout->lineCount(); ++l) {
            const QTextLine line = layout->lineAt(l);
            const int end = line.textStart() + line.textLength();
            for (int i = line.textStart(); i < end;) {
                const QRgb background = block.background[size_t(i)];
                int j = i + 1;
                while (j < end && block.background[size_t(j)] == background)
                    ++j;
                if (qAlpha(background)) {
                    const qreal x1 = line.cursorToX(i), x2 = line.cursorToX(j);
                    painter.fillRect(QRectF(qMin(x1, x2), line.y(), qAbs(x2 - x1), line.height()).translated(origin),
                                     QColor::fromRgba(background));
                }
                i = j;
            }
        }
        for (size_t r = 0; r < size_t(block.runs.size()); ++r) {
            const QGlyphRun& run = block.runs[qsizetype(r)];
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            QList<Bucket> buckets;
            auto colourOf = [&](int c) {
                const QRgb colour = block.colour[size_t(c)];
                return colour ? colour : own;
            };
            for (int g = 0; g < glyphs.size(); ++g) {
                const Owner& o = block.owners[r][size_t(g)];
                const QRgb first = o.count ? colourOf(block.owned[size_t(o.first)]) : own;
                bool one = true;
                for (int k = 1; k < o.count; ++k)
                    one = one && colourOf(block.owned[size_t(o.first + k)]) == first;
                if (one) {
                    auto bucket = std::find_if(buckets.begin(), buckets.end(),
                                               [&](const Bucket& x) { return x.colour == first; });
                    if (bucket == buckets.end())
                        bucket = buckets.insert(buckets.end(), Bucket{first, {}, {}});
                    bucket->glyphs << glyphs[g];
                    bucket->positions << positions[g];
                    continue;
                }
                // A ligature of characters in different colours: each
                // colours its share of the glyph's width, in the order
                // the characters are read.
                QGlyphRun part = run;
                part.setGlyphIndexes({glyphs[g]});
                part.setPositions({positions[g]});
                const qreal advance = run.rawFont().advancesForGlyphIndexes({glyphs[g]}).value(0).x();
                const qreal left = origin.x() + positions[g].x();
                for (int k = 0; k < o.count; ++k) {
                    const int share = run.isRightToLeft() ? o.count - 1 - k : k;
                    const int from = k == 0 ? -QWIDGETSIZE_MAX : qRound(left + advance * k / o.count);
                    const int to = k == o.count - 1 ? QWIDGETSIZE_MAX : qRound(left + advance * (k + 1) / o.count);
                    painter.save();
                    painter.setClipRect(QRect(from, -QWIDGETSIZE_MAX / 2, to - from, QWIDGETSIZE_MAX),
                                        Qt::IntersectClip);
                    painter.setPen(QColor::fromRgba(colourOf(block.owned[size_t(o.first + share)])));
                    painter.drawGlyphRun(origin, part);
                    painter.restore();
                }
            }
            for (const Bucket& bucket : buckets) {
                QGlyphRun part = run;
                part.setGlyphIndexes(bucket.glyphs);
                part.setPositions(bucket.positions);
                painter.setPen(QColor::fromRgba(bucket.colour));
                painter.drawGlyphRun(origin, part);
            }
        }
    }
}
