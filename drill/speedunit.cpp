#include "drill/speedunit.h"

namespace {

constexpr char CharactersName[] = "cpm";
constexpr char WordsName[] = "wpm";

} // namespace

QString SpeedUnit::Name() const
{
    return QLatin1String(IsWords() ? WordsName : CharactersName);
}

SpeedUnit SpeedUnit::FromName(const QString& name)
{
    return name == QLatin1String(WordsName) ? Kind::Words : Kind::Characters;
}
