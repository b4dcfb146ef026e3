#include "keyboard/keyboardlayout.h"

namespace {

const char Name101[] = "101";
const char Name102[] = "102";

} // namespace

namespace KeyboardLayouts {

QString Name(KeyboardLayout layout)
{
    return QString::fromLatin1(layout == KeyboardLayout::Kb101 ? Name101 : Name102);
}

KeyboardLayout FromName(const QString& name)
{
    return name == QLatin1String(Name101) ? KeyboardLayout::Kb101 : KeyboardLayout::Kb102;
}

int Number(KeyboardLayout layout)
{
    return Name(layout).toInt();
}

KeyboardLayout FromNumber(int number)
{
    return FromName(QString::number(number));
}

} // namespace KeyboardLayouts
