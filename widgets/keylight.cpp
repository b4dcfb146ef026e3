#include "widgets/keylight.h"

#include <QEvent>
#include <QPainter>

namespace {

const QColor PromptColour(0x1c, 0x8a, 0x4e);
const QColor WrongColour(0xd3, 0x2f, 0x2f);
// Long enough to find the key, short enough not to stay on the next item.
constexpr int PromptMs = 3000;
constexpr int WrongMs = 700;

} // namespace

KeyLight::KeyLight(QWidget* picture)
    : QWidget(picture)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
    for (QTimer* t : {&promptTimer, &wrongTimer}) {
        t->setSingleShot(true);
        connect(t, &QTimer::timeout, this, [this, t] {
            (t == &promptTimer ? prompt : wrong).clear();
            update();
        });
    }
    promptTimer.setInterval(PromptMs);
    wrongTimer.setInterval(WrongMs);
}

KeyLight::~KeyLight() = default;

bool KeyLight::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void KeyLight::SetKeyboard(KeyboardLayout k)
{
    if (layout == k)
        return;
    layout = k;
    board.reset();
    Clear();
}

const KeyGeometry& KeyLight::Geometry()
{
    // In the picture's own coordinates; painting scales them to the widget.
    if (!board)
        board.reset(new KeyGeometry(layout, KeyGeometry::PictureBlockArea()));
    return *board;
}

QList<int> KeyLight::KeysFor(QChar key, bool withShift)
{
    QList<int> keys = Geometry().KeysTyping(key);
    if (withShift) {
        for (int i : keys) {
            if (Geometry().keys()[i].shifted == key) {
                keys << Geometry().ShiftKeys();
                break;
            }
        }
    }
    return keys;
}

void KeyLight::ShowPrompt(QChar key)
{
    prompt = KeysFor(key, true);
    promptTimer.start();
    update();
}

void KeyLight::ShowWrong(QChar key)
{
    wrong = KeysFor(key, false);
    wrongTimer.start();
    update();
}

void KeyLight::Clear()
{
    prompt.clear();
    wrong.clear();
    promptTimer.stop();
    wrongTimer.stop();
    update();
}

QStringList KeyLight::LitKeys() const
{
    QStringList lit;
    if (!board)
        return lit;
    for (const QList<int>* keys : {&prompt, &wrong}) {
        for (int i : *keys) {
            const KeyGeometry::Key& k = board->keys()[i];
            lit << (k.IsCharacterKey() ? QString(k.plain) : k.caption);
        }
    }
    return lit;
}

void KeyLight::paintEvent(QPaintEvent*)
{
    if (prompt.isEmpty() && wrong.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / qreal(KeyGeometry::PictureSize.width()),
            height() / qreal(KeyGeometry::PictureSize.height()));
    const KeyGeometry& g = Geometry();
    for (const auto& [keys, colour] : {std::pair(&prompt, PromptColour), std::pair(&wrong, WrongColour)}) {
        QColor fill = colour;
        fill.setAlpha(70);
        p.setPen(QPen(colour, 2.5));
        p.setBrush(fill);
        for (int i : *keys)
            p.drawRoundedRect(g.keys()[i].Bounds().adjusted(1, 1, -1, -1), 4, 4);
    }
}
