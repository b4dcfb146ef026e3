// The score report and the links to the maker's pages.
#include "tutor/dialog.h"

#include <QMessageBox>
#include <QUrl>

#include "tutor/website.h"

void Dialog::on_btn_report_clicked()
{
    const QByteArray document = scores.ReportDocument();
    if (document == "<root></root>") {
        QMessageBox box(QMessageBox::Information, tr("Nuvari Arabic typing software"),
                        tr("There are not any score!\nCan't report!"), QMessageBox::Ok);
        box.exec();
        return;
    }
    WebSite::OpenReport(document, this);
}

void Dialog::on_lbl_mryj_linkActivated(QString link)
{
    WebSite::Open(QUrl(link, QUrl::TolerantMode), this);
}

void Dialog::on_cmdbtn_typing_clicked() { WebSite::OpenPage(WebSite::TypingPath, this); }
void Dialog::on_cmdbtn_question_clicked() { WebSite::OpenPage(WebSite::QuestionPath, this); }
void Dialog::on_cmdbtn_ime_clicked() { WebSite::OpenPage(WebSite::ImePath, this); }
void Dialog::on_cmdbtn_translation_clicked() { WebSite::OpenPage(WebSite::TranslationPath, this); }
void Dialog::on_cmdbtn_dict_clicked() { WebSite::OpenPage(WebSite::DictPath, this); }
void Dialog::on_cmdbtn_nuvariweb_clicked() { WebSite::OpenPage(WebSite::HomePath, this); }
