// The score report and the links to the maker's pages. Nothing here touches
// the network: every address is handed to the desktop's browser.
#include "tutor/dialog.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "tutor/addressbox.h"
#include "tutor/ui_dialog.h"
#include "tutor/website.h"

namespace {

const char ReportPath[] = "/qirtas/report_score.php?op=report_score&data=";

const char DictPath[] = "/dict";
const char TranslationPath[] = "/fanyi";
const char HomePath[] = "";
const char QuestionPath[] = "/bbs";
const char ImePath[] = "/ime";
const char TypingPath[] = "/qirtas";

// A user name inside a character-data section: "]]>" would end the section
// and let the rest of the name pass as markup, so it is split across two
// sections, which every XML reader joins back into the name.
QString CharacterData(QString text)
{
    text.replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>"));
    return QLatin1String("<![CDATA[") + text + QLatin1String("]]>");
}

} // namespace

// The best row of each table as "<root><item type='1' score='…'>…</item>…</root>";
// just "<root></root>" when no table has a score.
QByteArray Dialog::ScoreReportDocument() const
{
    QByteArray document("<root>");
    for (int i = 0; i < ScoreBoard::TableCount; ++i) {
        const QStandardItem* name = scores.Table(i)->item(0, 0);
        const QStandardItem* score = scores.Table(i)->item(0, 1);
        if (!name || !score)
            continue;
        const QString item = QStringLiteral("<item type='%1' score='%2'>").arg(i + 1).arg(score->data(Qt::DisplayRole).toString())
                             + CharacterData(name->data(Qt::DisplayRole).toString()) + QLatin1String("</item>");
        // UTF-8 is what a reader assumes without a declaration; it keeps
        // Arabic names intact and is plain ASCII for ASCII names.
        document += item.toUtf8();
    }
    document += "</root>";
    return document;
}

void Dialog::on_btn_report_clicked()
{
    const QByteArray document = ScoreReportDocument();
    if (document == "<root></root>") {
        QMessageBox box(QMessageBox::Information, tr("Nuvari Arabic typing software"),
                        tr("There are not any score!\nCan't report!"), QMessageBox::Ok);
        box.exec();
        return;
    }

    // The site decodes the query once and then expects the Base64 text with
    // its "+", "/" and "=" still percent-encoded, so the data travels encoded
    // twice: "+" as %252B, "/" as %252F, "=" as %253D.
    const QByteArray data = QUrl::toPercentEncoding(QUrl::toPercentEncoding(QString::fromLatin1(document.toBase64())));
    const QByteArray address = QByteArray(WebSite::Base) + ReportPath + data;
    OpenAddress(QUrl::fromEncoded(address, QUrl::StrictMode));
}

// Hands the address to the desktop's browser; where there is none, the
// learner gets the address to copy.
void Dialog::OpenAddress(const QUrl& address)
{
    if (QDesktopServices::openUrl(address))
        return;
    AddressBox box(address.toString(QUrl::FullyEncoded), this);
    box.exec();
}

void Dialog::OpenSitePage(const char* path)
{
    OpenAddress(QUrl(QLatin1String(WebSite::Base) + QLatin1String(path), QUrl::TolerantMode));
}

void Dialog::on_lbl_mryj_linkActivated(QString link)
{
    OpenAddress(QUrl(link, QUrl::TolerantMode));
}

void Dialog::on_cmdbtn_typing_clicked() { OpenSitePage(TypingPath); }
void Dialog::on_cmdbtn_question_clicked() { OpenSitePage(QuestionPath); }
void Dialog::on_cmdbtn_ime_clicked() { OpenSitePage(ImePath); }
void Dialog::on_cmdbtn_translation_clicked() { OpenSitePage(TranslationPath); }
void Dialog::on_cmdbtn_dict_clicked() { OpenSitePage(DictPath); }
void Dialog::on_cmdbtn_nuvariweb_clicked() { OpenSitePage(HomePath); }
