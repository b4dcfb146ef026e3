#include "keyboard/keycharmap.h"

// The key table lands with the keyboard work.
KeyCharMap::KeyCharMap() {}
KeyCharMap* KeyCharMap::Instance() { static KeyCharMap* map = new KeyCharMap; return map; }
void KeyCharMap::MapKey101(QChar key, QString& out) const { out = QString(key); }
void KeyCharMap::MapKey102(QChar key, QString& out) const { out = QString(key); }
QString KeyCharMap::MapString(const QString& text, bool) const { return text; }
QChar KeyCharMap::LetterKey(int) const { return QChar(); }
QChar KeyCharMap::SymbolKey(int) const { return QChar(); }
