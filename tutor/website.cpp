#include "tutor/website.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QUrl>

#include "widgets/addressbox.h"

namespace {

const char ReportPath[] = "/qirtas/report_score.php?op=report_score&data=";

} // namespace

namespace WebSite {

void Open(const QUrl& address, QWidget* parent)
{
    if (QDesktopServices::openUrl(address))
        return;
    AddressBox box(address.toString(QUrl::FullyEncoded), parent);
    box.exec();
}

void OpenPage(const char* path, QWidget* parent)
{
    Open(QUrl(QLatin1String(Base) + QLatin1String(path), QUrl::TolerantMode), parent);
}

void OpenReport(const QByteArray& document, QWidget* parent)
{
    // The site decodes the query once and then expects the Base64 text with
    // its "+", "/" and "=" still percent-encoded, so the data travels encoded
    // twice: "+" as %252B, "/" as %252F, "=" as %253D.
    const QByteArray data = QUrl::toPercentEncoding(QUrl::toPercentEncoding(QString::fromLatin1(document.toBase64())));
    Open(QUrl::fromEncoded(QByteArray(Base) + ReportPath + data, QUrl::StrictMode), parent);
}

} // namespace WebSite
