#include "keyboard/keygeometry.h"

#include "keyboard/keycharmap.h"

#include <cstring>

namespace {
// The block is 15 key units wide and 5 rows high.
constexpr qreal BlockUnits = 15.0;
constexpr int BlockRows = 5;
const QLatin1String ShiftCaption("Shift");

QList<QPointF> RectOutline(const QRectF& r)
{
    return {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()};
}
} // namespace

KeyGeometry::KeyGeometry(KeyboardLayout layout, const QRectF& area)
    : m_layout(layout), m_area(area),
      m_unit(area.width() / BlockUnits), m_rowHeight(area.height() / BlockRows)
{
    const bool iso = layout == KeyboardLayout::Kb102;

    // Number row.
    qreal x = AddCharKeys(0, 0, "`1234567890-=", "~!@#$%^&*()_+");
    AddCaptionKey(0, x, BlockUnits - x, QStringLiteral("Backspace"));

    // Top letter row: the 101 board ends it with the backslash key, the 102
    // board with the upper half of its tall Enter key.
    AddCaptionKey(1, 0, 1.5, QStringLiteral("Tab"));
    x = AddCharKeys(1, 1.5, "qwertyuiop[]", "QWERTYUIOP{}");
    if (!iso)
        AddCharKey(1, x, BlockUnits - x, QLatin1Char('\\'), QLatin1Char('|'));
    const qreal isoEnterTop = x;

    // Home row: the 102 board has the backslash key here, beside Enter.
    AddCaptionKey(2, 0, 1.75, QStringLiteral("Caps Lock"));
    x = AddCharKeys(2, 1.75, "asdfghjkl;'", "ASDFGHJKL:\"");
    if (iso) {
        AddCharKey(2, x, 1.0, QLatin1Char('\\'), QLatin1Char('|'));
        x += 1.0;
        // One L-shaped Enter over both rows.
        const QRectF upper = Cell(1, isoEnterTop, BlockUnits - isoEnterTop);
        const QRectF lower = Cell(2, x, BlockUnits - x);
        Key enter;
        enter.caption = QStringLiteral("Enter");
        enter.row = 1;
        enter.left = isoEnterTop;
        enter.width = BlockUnits - isoEnterTop;
        enter.outline << upper.topLeft() << upper.topRight() << lower.bottomRight()
                      << lower.bottomLeft() << QPointF(lower.left(), upper.bottom())
                      << upper.bottomLeft();
        m_keys << enter;
    } else {
        AddCaptionKey(2, x, BlockUnits - x, QStringLiteral("Enter"));
    }

    // Bottom letter row: the 102 board's extra key sits left of Z.
    x = iso ? 1.25 : 2.25;
    AddCaptionKey(3, 0, x, ShiftCaption);
    if (iso) {
        AddCharKey(3, x, 1.0, QLatin1Char('\\'), QLatin1Char('|'));
        x += 1.0;
    }
    x = AddCharKeys(3, x, "zxcvbnm,./", "ZXCVBNM<>?");
    AddCaptionKey(3, x, BlockUnits - x, ShiftCaption);

    // Space row of the classic board, with the gaps beside the Alt keys.
    AddCaptionKey(4, 0, 1.5, QStringLiteral("Ctrl"));
    AddCaptionKey(4, 2.5, 1.5, QStringLiteral("Alt"));
    AddCharKey(4, 4.0, 7.0, QLatin1Char(' '), QChar());
    AddCaptionKey(4, 11.0, 1.5, QStringLiteral("Alt"));
    AddCaptionKey(4, 13.5, 1.5, QStringLiteral("Ctrl"));
}

QRectF KeyGeometry::Key::Bounds() const
{
    if (outline.isEmpty())
        return QRectF();
    qreal left = outline.first().x(), right = left, top = outline.first().y(), bottom = top;
    for (const QPointF& p : outline) {
        left = qMin(left, p.x()), right = qMax(right, p.x());
        top = qMin(top, p.y()), bottom = qMax(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QRectF KeyGeometry::PictureBlockArea()
{
    // Whole pixels per key unit (38) and per row (36) keep the edges crisp.
    return QRectF(PictureBorder, PictureBorder + 1, PictureSize.width() - 2 * PictureBorder, 180);
}

QString KeyGeometry::Gives(QChar key) const
{
    return KeyCharMap::Instance()->MapKey(key, m_layout);
}

QString KeyGeometry::ArabicFor(QChar key) const
{
    const QString out = Gives(key);
    return out == QString(key) ? QString() : out;
}

QList<int> KeyGeometry::KeysTyping(QChar key) const
{
    QList<int> found;
    if (key.isNull())
        return found;
    for (int i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].plain == key || m_keys[i].shifted == key)
            found << i;
    }
    return found;
}

QList<int> KeyGeometry::ShiftKeys() const
{
    QList<int> found;
    for (int i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].caption == ShiftCaption)
            found << i;
    }
    return found;
}

qreal KeyGeometry::AddCharKeys(int row, qreal x, const char* plain, const char* shifted)
{
    const int n = int(std::strlen(plain));
    Q_ASSERT(n == int(std::strlen(shifted)));
    for (int i = 0; i < n; ++i, x += 1.0)
        AddCharKey(row, x, 1.0, QLatin1Char(plain[i]), QLatin1Char(shifted[i]));
    return x;
}

void KeyGeometry::AddCharKey(int row, qreal x, qreal width, QChar plain, QChar shifted)
{
    Key key;
    key.outline = RectOutline(Cell(row, x, width));
    key.row = row;
    key.left = x;
    key.width = width;
    key.plain = plain;
    key.shifted = shifted;
    key.homeMark = plain == QLatin1Char('f') || plain == QLatin1Char('j');
    key.arabicPlain = ArabicFor(plain);
    if (!shifted.isNull())
        key.arabicShifted = ArabicFor(shifted);
    m_keys << key;
}

void KeyGeometry::AddCaptionKey(int row, qreal x, qreal width, const QString& caption)
{
    Key key;
    key.outline = RectOutline(Cell(row, x, width));
    key.row = row;
    key.left = x;
    key.width = width;
    key.caption = caption;
    m_keys << key;
}

QRectF KeyGeometry::Cell(int row, qreal x, qreal width) const
{
    const qreal half = KeyGap / 2;
    return QRectF(m_area.left() + x * m_unit + half, m_area.top() + row * m_rowHeight + half,
                  width * m_unit - KeyGap, m_rowHeight - KeyGap);
}
