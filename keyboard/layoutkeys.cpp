#include "keyboard/layoutkeys.h"

LayoutKeys::LayoutKeys(KeyboardLayout kind) : m_geometry(kind, KeyGeometry::PictureBlockArea())
{
    const QList<KeyGeometry::Key>& keys = m_geometry.keys();
    const QList<int> shifts = m_geometry.ShiftKeys();   // left one first
    for (bool shifted : {false, true}) {
        for (int i = 0; i < keys.size(); ++i) {
            const QChar c = shifted ? keys[i].shifted : keys[i].plain;
            if (c.isNull())
                continue;
            const QString item = m_geometry.Gives(c);
            if (m_strokes.contains(item))
                continue;
            KeyStroke s;
            s.key = i;
            s.shift = shifted;
            s.finger = Fingers::ForKey(m_geometry, i);
            if (shifted && shifts.size() == 2) {
                // Shift is held by the other hand's little finger.
                s.shiftKey = Fingers::IsLeftHand(s.finger) ? shifts[1] : shifts[0];
                s.shiftFinger = Fingers::ForKey(m_geometry, s.shiftKey);
            }
            m_strokes.insert(item, s);
            m_items << item;
            if (item.size() == 1)
                m_chars.insert(item.at(0));
        }
    }
}

KeyStroke LayoutKeys::StrokeFor(const QString& item) const
{
    return m_strokes.value(item);
}

bool LayoutKeys::CanType(const QString& text) const
{
    for (QChar c : text) {
        if (!m_chars.contains(c))
            return false;
    }
    return true;
}
