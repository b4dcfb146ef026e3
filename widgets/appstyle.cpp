#include "widgets/appstyle.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleOption>

namespace AppStyle {

const char StyleSheet[] =
    "QPushButton{border-image: url(:/pic/btn_normal) 5;border-width:5px; min-width:60px;min-height:16px;} "
    "QPushButton:hover{border-image: url(:/pic/btn_hover) 5;}"
    "QPushButton:pressed{border-image: url(:/pic/btn_down) 5;}"
    "QCommandLinkButton{border-image: url(:/pic/cmdlink_btn_bg) 5;min-width:60px;min-height:16px;} "
    "QCommandLinkButton:hover{border-image: url(:/pic/btn_down) 5;} "
    "QCommandLinkButton:pressed{border-image: url(:/pic/cmdlink_btn_bg) 5;}"
    "QWidget{font: 9pt 'Arabic Transparent';}"
    "QTextBrowser{background-color:transparent; text-align:center;alignment: center;}"
    // The frame with the logo and the maker's name in its top left band
    // is the tutor's and the editor's, whose pages leave that band free;
    // other dialogs lay their widgets out over it.
    "Dialog,DialogData{border-image: url(:/pic/dlg_bg) 50 5 5 110;border-width:50px 5px 5px 110px;} "
    "QTableView{background-color:transparent; text-align:center;alignment: center;} "
    "QInputDialog,QMessageBox{border-image: url(:/pic/message_bg) 5;border-width:5px;} "
    // The tabs leave the logo at the top left room, also in a right-to-left
    // window (the window tree sets the flag); eight of them fit beside it.
    "QTabWidget::tab-bar {left:110px; alignment: right;}"
    "QTabWidget[rightToLeft=\"true\"]::tab-bar {left:0px;}"
    "QTabWidget::pane {color: rgb(246, 246, 244); margin: 0px,1px,1px,1px; border: 0px solid #020202; border-radius: 7px;}"
    "QTabBar::tab {margin-left:0px;color: black;border-image: url(:/pic/tab_btn_bg) 5 5 13 5; border-width:5px 5px 13px 5px;min-width:55px;min-height:20px;}"
    "QTabBar::tab:hover {color: black; border-image:url(:/pic/tab_btn_normal); }"
    "QTabBar::tab:selected{color: white; border-image:url(:/pic/tab_btn_hover); }"
    "QLineEdit{color: black; border-image:url(:/pic/edt_bg) 2px;border-width:2px;}"
    "QProgressBar { border: 1px solid grey;  border-radius: 2px;text-align: center;}"
    "QProgressBar::chunk { background-color: #05B8CC; width: 16px;}";

const char PicPrefix[] = ":/pic/";

const char Keyboard101Sheet[] = "border-image: url(:/pic/kb101) 5;\nborder-width:5px;";
const char Keyboard102Sheet[] = "border-image: url(:/pic/kb102) 5;\nborder-width:5px;";

namespace {

// Installed families that draw `script`, the named candidates first, then
// (with `others`) anything else that draws it: still better than boxes.
QStringList InstalledOf(const QStringList& candidates, QFontDatabase::WritingSystem script, bool others = true)
{
    QStringList found;
    const QStringList families = QFontDatabase::families(script);
    for (const QString& c : candidates) {
        for (const QString& f : families) {
            if (f.compare(c, Qt::CaseInsensitive) == 0 && !found.contains(f))
                found << f;
        }
    }
    for (const QString& f : families) {
        if (!others || found.size() >= 4)
            break;
        if (!found.contains(f))
            found << f;
    }
    return found;
}

// Maps a missing family onto installed ones: those of its own script first,
// then the other script the interface shows, since every label may carry
// Arabic or Chinese text whatever font its style sheet names.
void Substitute(const QString& family, const QStringList& own, const QStringList& other)
{
    if (QFontDatabase::hasFamily(family))
        return;
    QStringList subs = own;
    for (const QString& f : other) {
        if (!subs.contains(f))
            subs << f;
    }
    if (!subs.isEmpty())
        QFont::insertSubstitutions(family, subs);
}

// The link buttons' arrow is Qt's own green one, as on Windows, on every
// desktop. Asking the icon theme for it first read the theme's whole index
// at start-up, a tenth of the instructions to the first paint, to find
// nothing on most machines.
class LinkArrowStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_CommandLink) {
            const bool rightToLeft = option ? option->direction == Qt::RightToLeft
                                            : QGuiApplication::isRightToLeft();
            const QPixmap arrow(rightToLeft ? QStringLiteral(":/qt-project.org/styles/commonstyle/images/left-16.png")
                                            : QStringLiteral(":/qt-project.org/styles/commonstyle/images/right-16.png"));
            if (!arrow.isNull())
                return QIcon(arrow);
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void InstallFontSubstitutions()
{
    const QStringList arabic = InstalledOf(
        {QStringLiteral("Noto Sans Arabic UI"), QStringLiteral("Noto Sans Arabic"),
         QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Naskh Arabic")},
        QFontDatabase::Arabic);
    const QStringList chinese = InstalledOf(
        {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
         QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")},
        QFontDatabase::SimplifiedChinese);
    // The editor's heading is a bold sans-serif. The Chinese fonts above are
    // Ming faces whose Latin letters all have one width, as on a typewriter:
    // sans-serif faces come first, Chinese sans-serif ones if installed.
    const QStringList sans = InstalledOf(
        {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
         QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")},
        QFontDatabase::Latin, false);
    Substitute(QStringLiteral("Arabic Transparent"), arabic, chinese);
    Substitute(QString::fromUtf8("宋体"), chinese, arabic);
    Substitute(QStringLiteral("Aharoni"), sans + arabic, chinese);
}

void Install(QApplication& app)
{
    InstallFontSubstitutions();
    // Once, over the style the application has chosen (a "-style"
    // argument's or the desktop's), which the proxy takes over; again only
    // if another style has replaced it since. Without a style sheet, the
    // style is the chosen one itself, not the sheet's wrapper around it.
    static QPointer<QStyle> arrowStyle;
    if (!arrowStyle) {
        app.setStyleSheet(QString());
        arrowStyle = new LinkArrowStyle(app.style());
        app.setStyle(arrowStyle);
    }
    app.setStyleSheet(QString::fromLatin1(StyleSheet));
}

} // namespace AppStyle

