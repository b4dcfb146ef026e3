// The score report and the links to the maker's pages. (Filled in by the
// web work.)
#include "tutor/dialog.h"

#include "tutor/ui_dialog.h"

void Dialog::on_btn_report_clicked() {}
void Dialog::on_lbl_mryj_linkActivated(QString) {}
void Dialog::on_cmdbtn_typing_clicked() {}
void Dialog::on_cmdbtn_question_clicked() {}
void Dialog::on_cmdbtn_ime_clicked() {}
void Dialog::on_cmdbtn_translation_clicked() {}
void Dialog::on_cmdbtn_dict_clicked() {}
void Dialog::on_cmdbtn_nuvariweb_clicked() {}
