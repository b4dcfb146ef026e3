// The yardsticks for the tutor's start-up: the least a Qt widget program
// does to put a dialog of the tutor's size on screen, and, with --scripts,
// the same dialog showing one Chinese and one Arabic label, which is what
// finding and shaping fonts for the two scripts costs any program. With
// --first-page, the dialog shows what the tutor's first page (Chinese)
// cannot do without and nothing else: its texts, painted in the fonts the
// tutor shows them in, and its logo, drawn from the same picture by the
// same style sheet; no other widget, picture or style. The least that page
// costs.
#include "widgets/appstyle.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <cstdlib>

// As the tutor's: with QIRTAS_EXIT_AFTER_FIRST_PAINT set, the process ends
// once the first paint is done (for tools/profile_startup.sh).
class ExitAfterFirstPaint : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()
            && event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

class FirstPageTexts : public QWidget
{
public:
    explicit FirstPageTexts(QWidget* parent) : QWidget(parent) { setGeometry(0, 0, 685, 500); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QString family = QStringLiteral("Arabic Transparent");
        QFont text(family);
        text.setPointSize(9);
        QFont title(family);
        title.setPointSize(14);
        title.setWeight(QFont::Weight(75)); // as the style sheet's "75"
        QFont linkTitle(text);
        linkTitle.setBold(true);
        QFont notice(QString::fromUtf8("宋体"));
        notice.setPointSize(10);
        p.setFont(text);
        int x = 150;
        for (const char* tab : {"键盘", "单词", "句子", "设置", "关于", "进度", "课程", "短文"}) {
            p.drawText(x, 25, QString::fromUtf8(tab));
            x += 64;
        }
        p.setFont(title);
        p.drawText(280, 90, QString::fromUtf8("Nuvari 阿拉伯语打字软件"));
        p.setFont(text);
        int y = 118;
        for (const char* line : {"发布日期：2026年12月6日星期日", "基于 Qt 6.4.2", "版权所有 (C) 2026 Nuvari Soft",
                                 "电子邮件：service@nuvari.example", "本软件受著作权法保护，未经许可不得出售或修改。"}) {
            p.drawText(280, y, QString::fromUtf8(line));
            y += 24;
        }
        const char* const links[][2] = {{"Nuvari 网站", "访问 Nuvari 网站"}, {"词典", "阿汉英词典"},
                                        {"翻译服务", "阿拉伯语翻译服务"}, {"输入法", "Windows 版阿拉伯语输入法"},
                                        {"问题反馈", "报告问题或提出建议"}, {"打字软件", "本软件的新闻与更新"}};
        for (int i = 0; i < 6; ++i) {
            const QPoint at(60 + (i % 2) * 295, 295 + (i / 2) * 59);
            p.setFont(linkTitle);
            p.drawText(at, QString::fromUtf8(links[i][0]));
            p.setFont(text);
            p.drawText(at + QPoint(0, 17), QString::fromUtf8(links[i][1]));
        }
        p.setFont(notice);
        p.drawText(250, 478, QString::fromUtf8("免费软件！Nuvari 倾情奉献！"));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(685, 500);
    QLabel label(QStringLiteral("A bare Qt dialog"), &dialog);
    label.move(280, 220);
    if (QCoreApplication::arguments().contains(QStringLiteral("--scripts"))) {
        auto* chinese = new QLabel(QStringLiteral("阿拉伯语打字练习"), &dialog);
        chinese->move(280, 250);
        auto* arabic = new QLabel(QStringLiteral("برنامج تعليم الكتابة بالعربية"), &dialog);
        arabic->move(280, 280);
    }
    if (QCoreApplication::arguments().contains(QStringLiteral("--first-page"))) {
        AppStyle::InstallFontSubstitutions();
        new FirstPageTexts(&dialog);
        auto* logo = new QWidget(&dialog);
        logo->setGeometry(30, 60, 241, 181);
        logo->setStyleSheet(QStringLiteral("border-image: url(:/pic/logo_big);"));
    }
    if (qEnvironmentVariableIsSet("QIRTAS_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(new ExitAfterFirstPaint);
    dialog.show();
    return app.exec();
}
