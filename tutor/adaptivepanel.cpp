#include "tutor/adaptivepanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "keyboard/keycharmap.h"
#include "widgets/dialogtext.h"
#include "widgets/keymasteryview.h"

AdaptivePanel::AdaptivePanel(QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);
    lbl_adaptive_title = new QLabel(this);
    lbl_adaptive_title->setObjectName(QStringLiteral("lbl_adaptive_title"));
    QFont bold = lbl_adaptive_title->font();
    bold.setBold(true);
    lbl_adaptive_title->setFont(bold);
    column->addWidget(lbl_adaptive_title);
    lbl_adaptive_focus = new QLabel(this);
    lbl_adaptive_focus->setObjectName(QStringLiteral("lbl_adaptive_focus"));
    lbl_adaptive_focus->setWordWrap(true);
    column->addWidget(lbl_adaptive_focus);
    wg_key_mastery = new KeyMasteryView(this);
    wg_key_mastery->setObjectName(QStringLiteral("wg_key_mastery"));
    column->addWidget(wg_key_mastery, 1);
    btn_adaptive = new QPushButton(this);
    btn_adaptive->setObjectName(QStringLiteral("btn_adaptive"));
    btn_adaptive->setAutoDefault(false);
    btn_adaptive->setStyleSheet(QStringLiteral("padding: 0 8px;"));
    column->addWidget(btn_adaptive, 0, Qt::AlignLeading);
    connect(btn_adaptive, &QPushButton::clicked, this, &AdaptivePanel::Practise);
}

void AdaptivePanel::Retranslate()
{
    lbl_adaptive_title->setText(DialogText::tr("Adaptive practice"));
    btn_adaptive->setText(DialogText::tr("Practise adaptively"));
    btn_adaptive->setToolTip(DialogText::tr("A word drill on the keys the course has taught: most words practise the key "
                                        "furthest from mastered, and the next key of the course joins once every "
                                        "key is mastered"));
    ShowPlan();
}

void AdaptivePanel::SetSpeedUnit(SpeedUnit u)
{
    unit = u;
    wg_key_mastery->SetSpeedUnit(unit);
    ShowPlan();
}

void AdaptivePanel::SetPlan(const AdaptivePlan& p)
{
    plan = p;
    ShowPlan();
}

void AdaptivePanel::ShowPlan()
{
    const QString focus = plan.Focus();
    if (focus.isEmpty()) {
        lbl_adaptive_focus->clear();
        lbl_adaptive_focus->setToolTip(QString());
    } else {
        // The key is Arabic whatever the interface language.
        const QChar mark(layoutDirection() == Qt::RightToLeft ? 0x200F : 0x200E);
        // The noun agrees with the number of keys in the plan.
        lbl_adaptive_focus->setText(DialogText::tr("Focus key: %1. %2 of %n keys mastered.", nullptr,
                                                   plan.IncludedCount())
                                        .arg(mark + KeyCharMap::Visible(focus) + mark)
                                        .arg(plan.MasteredCount()));
        // The rule in full where the tiles' bars need it, out of the way.
        lbl_adaptive_focus->setToolTip(
            (unit.IsWords() ? DialogText::tr("A key is mastered at %1 words a minute and %2% right.")
                            : DialogText::tr("A key is mastered at %1 characters per minute and %2% right."))
                .arg(qRound(unit.FromPerMinute(plan.TargetCpm())))
                                           .arg(qRound(KeySkill::MasteryAccuracy)));
    }
    wg_key_mastery->SetPlan(plan);
}
