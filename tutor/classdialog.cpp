#include "tutor/classdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "class/classmember.h"
#include "practice/classmembership.h"
#include "widgets/dialogtext.h"
#include "widgets/wording.h"

namespace {

using Wording::Isolated;
using Wording::NameShown;
using Wording::Then;

// A time of today by the clock alone, another with its date.
QString When(const QDateTime& utc, const QLocale& dates)
{
    const QDateTime local = utc.toLocalTime();
    return local.date() == QDate::currentDate() ? dates.toString(local.time(), QLocale::ShortFormat)
                                                : dates.toString(local, QLocale::ShortFormat);
}

QLineEdit* Field(QWidget* parent, const char* name, int maxLength)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(maxLength);
    field->setMinimumWidth(320);
    return field;
}

} // namespace

ClassDialog::ClassDialog(ClassMembership* link, QWidget* parent)
    : QDialog(parent)
    , link(link)
{
    setObjectName(QStringLiteral("ClassDialog"));
    setWindowTitle(DialogText::tr("Class"));
    auto* page = new QVBoxLayout(this);
    // As large as its texts need at their width, also once a problem is
    // told: no text is squeezed under another.
    page->setSizeConstraint(QLayout::SetFixedSize);
    auto* intro = new QLabel(DialogText::tr("Your drills are kept on this computer and also sent to your class, where "
                                        "your teacher sees them and you find them again on another computer."),
                             this);
    intro->setWordWrap(true);
    page->addWidget(intro);

    auto* form = new QFormLayout;
    le_class_server = Field(this, "le_class_server", 2000);
    le_class_server->setPlaceholderText(QStringLiteral("service=qirtas-class"));
    form->addRow(DialogText::tr("Class server:"), le_class_server);
    le_class_code = Field(this, "le_class_code", ClassMember::MaxClassCode);
    form->addRow(DialogText::tr("Class code:"), le_class_code);
    le_class_learner = Field(this, "le_class_learner", ClassMember::MaxName);
    form->addRow(DialogText::tr("Your name:"), le_class_learner);
    page->addLayout(form);

    auto* note = new QLabel(DialogText::tr("The class server is a PostgreSQL connection string (such as “host=… "
                                       "dbname=… user=…”) or a service name, as whoever set up the class gave it. "
                                       "A password typed here is used until the tutor closes and never kept: keep "
                                       "it in the file .pgpass instead."),
                            this);
    note->setWordWrap(true);
    page->addWidget(note);
    lbl_class_problem = new QLabel(this);
    lbl_class_problem->setObjectName(QStringLiteral("lbl_class_problem"));
    lbl_class_problem->setWordWrap(true);
    lbl_class_problem->setTextFormat(Qt::PlainText);
    QPalette warning = lbl_class_problem->palette();
    warning.setColor(QPalette::WindowText, QColor(0x9a, 0x34, 0x12));
    lbl_class_problem->setPalette(warning);
    lbl_class_problem->hide();
    page->addWidget(lbl_class_problem);

    auto* buttons = new QDialogButtonBox(this);
    btn_class_join = buttons->addButton(DialogText::tr("Join"), QDialogButtonBox::AcceptRole);
    btn_class_join->setObjectName(QStringLiteral("btn_class_join"));
    btn_class_join->setDefault(true);
    btn_class_leave = buttons->addButton(DialogText::tr("Leave the class"), QDialogButtonBox::DestructiveRole);
    btn_class_leave->setObjectName(QStringLiteral("btn_class_leave"));
    buttons->addButton(QDialogButtonBox::Cancel);
    page->addWidget(buttons);
    connect(btn_class_join, &QPushButton::clicked, this, &ClassDialog::Join);
    connect(btn_class_leave, &QPushButton::clicked, this, &ClassDialog::Leave);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // What is kept, never a password.
    btn_class_leave->setVisible(link->IsJoined());
    if (link->IsJoined()) {
        le_class_server->setText(link->Server().Stored());
        le_class_code->setText(link->Member().classCode);
        le_class_learner->setText(link->Member().learner);
    }
}

void ClassDialog::Join()
{
    const QString serverText = le_class_server->text().trimmed();
    // The settings of this run, password and all, when they are unchanged.
    const bool unchanged = link->IsJoined() && serverText == link->Server().Stored();
    const ClassConnection server = unchanged ? link->Server() : ClassConnection::FromText(serverText);
    const ClassMember member{le_class_code->text().trimmed(), le_class_learner->text().trimmed()};
    QString problem;
    QLineEdit* wrong = nullptr;
    if (serverText.isEmpty() || (server.IsValid() && server.Stored().isEmpty())) {
        problem = DialogText::tr("Give the class server: a connection string or a service name, as whoever set up "
                             "the class gave it.");
        wrong = le_class_server;
    } else if (!server.IsValid()) {
        problem = DialogText::tr("The class server cannot be read as connection settings, a postgresql:// address or "
                             "a service name (%1).")
                      .arg(server.Error());
        wrong = le_class_server;
    } else if (member.classCode.isEmpty() || member.classCode.contains(QChar(0))) {
        problem = DialogText::tr("Give the class code your teacher gave you.");
        wrong = le_class_code;
    } else if (member.learner.isEmpty() || member.learner.contains(QChar(0))) {
        problem = DialogText::tr("Give your name as your teacher should see it.");
        wrong = le_class_learner;
    }
    lbl_class_problem->setText(problem);
    lbl_class_problem->setVisible(!problem.isEmpty());
    if (wrong) {
        wrong->setFocus(Qt::OtherFocusReason);
        return;
    }
    link->Join(server, member);
    accept();
}

void ClassDialog::Leave()
{
    link->Leave();
    accept();
}

QString ClassDialog::Worded(const ClassMembership& membership, const QLocale& dates)
{
    if (!membership.IsJoined())
        return QString();
    const ClassStatus s = membership.Status();
    const ClassMember& member = membership.Member();
    const QString who = DialogText::tr("You are in the class %1 as %2.")
                            .arg(Isolated(member.classCode, NameShown), Isolated(member.learner, NameShown));
    QString state;
    switch (s.state) {
    case ClassStatus::Connecting:
        state = DialogText::tr("Connecting to the class server…");
        break;
    case ClassStatus::Sent:
        state = s.lastSent.isValid()
            ? DialogText::tr("All your drills are on the class server; the last were sent at %1.").arg(When(s.lastSent, dates))
            : DialogText::tr("All your drills are on the class server.");
        break;
    case ClassStatus::Unreachable:
        state = DialogText::tr("The class server has not answered since %1; your drills wait here and are sent when "
                           "it answers again.")
                    .arg(When(s.since, dates));
        break;
    case ClassStatus::Refused:
        state = DialogText::tr("The class server would not let you in; your drills wait here. Ask whoever set up the "
                           "class to check your login and password.");
        break;
    case ClassStatus::NotReady:
        state = DialogText::tr("The class server has no class tables yet: whoever set it up must run “qirtas class "
                           "--init” on it. Your drills wait here.");
        break;
    case ClassStatus::Failing:
        state = s.heldBack > 0
            ? DialogText::tr("The class server would not take %1 of your drills; they stay here and are tried again "
                         "when the tutor next starts.").arg(s.heldBack)
            : DialogText::tr("Sending to the class server failed; it is tried again in a while.");
        break;
    }
    if (s.waiting > 0 && s.state != ClassStatus::Connecting)
        state = Then(state, DialogText::tr("Drills waiting to be sent: %1.").arg(s.waiting));
    return Then(who, state);
}
