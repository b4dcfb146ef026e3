// Item selection, the letter drill, the word and sentence drills and the
// per-second metrics. (Filled in by the drills work.)
#include "tutor/dialog.h"

#include <QEvent>

#include "tutor/ui_dialog.h"

QChar Dialog::GetTrainChar(bool) { return QChar(); }
QString Dialog::GetTrainString(bool, bool) { return currentItem.text; }
void Dialog::on_btn_start_letter_clicked() {}
bool Dialog::eventFilter(QObject* obj, QEvent* event) { return QDialog::eventFilter(obj, event); }
void Dialog::on_btn_start_word_clicked() {}
void Dialog::on_btn_start_sentence_clicked() {}
void Dialog::on_le_dst_word_textEdited(QString) {}
void Dialog::on_le_dst_sentence_textEdited(QString) {}
int Dialog::DisplayResult(QString) { return 0; }
void Dialog::UpdateUIInfo() {}
