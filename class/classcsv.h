#ifndef CLASS_CLASSCSV_H
#define CLASS_CLASSCSV_H

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariantList>

#include "class/classreport.h"
#include "drill/speedunit.h"

// Tables for spreadsheets: UTF-8 with a byte-order mark (so that a
// spreadsheet reads Arabic and Chinese names right), commas, CRLF, fields
// quoted where they must be. A text cell that a spreadsheet could take for
// a formula (= + - @ first, also after spaces, or a tab or carriage return
// first) gets an apostrophe in front, so that no spreadsheet runs a
// learner's name. Numbers stay numbers.
namespace ClassCsv {

// A cell is written by its type: a number as a number (a NaN as an empty
// cell), a QDateTime as local "yyyy-MM-dd HH:mm", anything else as text.
QByteArray Table(const QStringList& header, const QList<QVariantList>& rows);

// The teacher's view of a class as a table, with translated headers; the
// speeds in `unit`.
QStringList OverviewHeader(SpeedUnit unit = SpeedUnit());
QList<QVariantList> OverviewRows(const QList<LearnerFigures>& learners, SpeedUnit unit = SpeedUnit());

} // namespace ClassCsv

#endif // CLASS_CLASSCSV_H
