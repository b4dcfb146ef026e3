// Preferences and scores kept between runs, interface language and keyboard
// type. (Filled in by the settings work.)
#include "tutor/dialog.h"

#include "tutor/ui_dialog.h"

void Dialog::ReadSettings() {}
void Dialog::WriteSettings() {}
void Dialog::ChangeTr(QString) {}
void Dialog::on_rad_lang_chinese_clicked(bool) {}
void Dialog::on_rad_lang_arabic_clicked(bool) {}
void Dialog::on_rad_lang_english_clicked(bool) {}
void Dialog::on_rad_kb_101_clicked(bool) {}
void Dialog::on_rad_kb_102_clicked(bool) {}
