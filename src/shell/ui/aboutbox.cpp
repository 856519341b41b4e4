#include "shell/ui/aboutbox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

const QString AboutBox::kVersion = QStringLiteral("1.8f");
const QString AboutBox::kHomePage = QStringLiteral("https://lexiton.example.org/");
const QString AboutBox::kUpdatePage = QStringLiteral("https://lexiton.example.org/update");
const QString AboutBox::kFeedbackPage = QStringLiteral("https://lexiton.example.org/feedback");

namespace {

// A label that acts as a web link: drawn underlined in link colour, with a hand cursor,
// and a click (press and release over it) runs its action.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent)
        , m_onClick(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
        QFont linkFont = font();
        linkFont.setUnderline(true);
        setFont(linkFont);
        QPalette linkPalette = palette();
        linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Link));
        setPalette(linkPalette);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
        QLabel::mouseReleaseEvent(event);
    }

private:
    std::function<void()> m_onClick;
};

// The product's picture: an open book with a speech bubble above it.
QPixmap programPicture() {
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1f, 0x3a, 0x68), 2));
    painter.setBrush(QColor(0xf4, 0xf1, 0xe6));
    QPainterPath leftPage;
    leftPage.moveTo(32, 30);
    leftPage.cubicTo(24, 25, 12, 25, 5, 28);
    leftPage.lineTo(5, 58);
    leftPage.cubicTo(12, 55, 24, 55, 32, 60);
    leftPage.closeSubpath();
    painter.drawPath(leftPage);
    painter.drawPath(QTransform(-1, 0, 0, 1, 64, 0).map(leftPage));
    painter.setPen(QPen(QColor(0x8a, 0x96, 0xab), 1));
    for (int line = 0; line < 4; ++line) {
        const int y = 36 + 5 * line;
        painter.drawLine(10, y, 27, y + 1);
        painter.drawLine(37, y + 1, 54, y);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc8, 0x2a, 0x2a));
    painter.drawRoundedRect(QRectF(18, 2, 28, 18), 6, 6);
    painter.drawPolygon(QPolygonF({QPointF(26, 19), QPointF(34, 19), QPointF(28, 25)}));
    painter.setPen(Qt::white);
    QFont letterFont(painter.font());
    letterFont.setBold(true);
    letterFont.setPixelSize(13);
    painter.setFont(letterFont);
    painter.drawText(QRectF(18, 2, 28, 18), Qt::AlignCenter, QStringLiteral("Aa"));
    return picture;
}

QLabel* textLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

AboutBox::AboutBox(widgets::Services& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O aplikaci"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(programPicture());

    auto* productName = textLabel(QStringLiteral("ProductName"), QStringLiteral("Lexiton"), this);
    QFont productFont = productName->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.6);
    productName->setFont(productFont);

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(
        textLabel(QStringLiteral("VersionLabel"), QStringLiteral("Verze:"), this));
    m_version = textLabel(QStringLiteral("Version"), kVersion, this);
    versionRow->addWidget(m_version);
    versionRow->addStretch();

    auto* heading = new QVBoxLayout;
    heading->addWidget(productName);
    heading->addLayout(versionRow);
    heading->addWidget(
        textLabel(QStringLiteral("Copyright"), QStringLiteral("Autor: Tým Lexitonu"), this));
    heading->addWidget(
        textLabel(QStringLiteral("Comments"), QStringLiteral("Přezdívka: Slovíčkář"), this));

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(heading, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(addLink(QStringLiteral("HomeLink"),
                              QStringLiteral("Domovská stránka https://lexiton.example.org"),
                              QString(), [] { return kHomePage; }));
    layout->addWidget(addLink(
        QStringLiteral("UpdateLink"), QStringLiteral("Domovská stránka Lexiton-a (update)."),
        QStringLiteral("Domovská stránka Lexiton-a"), [this]() -> QString {
            return kUpdatePage + QStringLiteral("?hlexiton_ver=") + m_version->text();
        }));
    layout->addWidget(addLink(
        QStringLiteral("FeedbackLink"), QStringLiteral("Stránka k nahlášení chyb a nedostatků."),
        QStringLiteral("Strnánka s formulářem pro odesílání připomínek, nahlášení chyb a nestatků"),
        [] { return kFeedbackPage; }));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* AboutBox::addLink(const QString& objectName, const QString& text, const QString& toolTip,
                          std::function<QString()> address) {
    auto* link = new LinkLabel(
        text,
        [this, address = std::move(address)] {
            core::openWithSystem(m_services.system, m_services.messages, address());
        },
        this);
    link->setObjectName(objectName);
    link->setToolTip(toolTip);
    return link;
}

} // namespace shell
