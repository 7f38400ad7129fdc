#include "aboutbox.h"

#include "linklabel.h"
#include "shellstyle.h"
#include "varnversion.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace varn {
namespace {

constexpr int kWidth = 318;
constexpr int kHeight = 176;
constexpr QRect kPanel(8, 8, 302, 126);
constexpr QRect kIcon(8, 8, 65, 57);
constexpr int kNameLeft = 80;
constexpr int kCreditsLeft = 8;
constexpr int kTextRight = 294;  // the panel's inner right edge less the margin
constexpr int kLinkGap = 6;
constexpr int kProductTop = 14;
constexpr int kVersionTop = 38;
constexpr int kFirstCreditTop = 80;
constexpr int kSecondCreditTop = 102;
constexpr QRect kOkButton(121, 143, 75, 25);

// The texts in the user's language: read when the box is made, after the catalogues are loaded.
QString productNameText() {
    return AboutBox::tr("Product Name: Varn Placement Editor");
}
QString versionText() {
    return AboutBox::tr("Version: %1").arg(QString::fromLatin1(kProgramVersion));
}
QString firstCreditText() {
    return AboutBox::tr("Web:");
}
QString secondCreditText() {
    return AboutBox::tr("Made by the Varn team, free for every map maker.");
}
const QString kAddress = QStringLiteral("https://varn-placement-editor.example.org");

const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

bool allLinesFit(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(productNameText()) <= kTextRight - kNameLeft &&
           metrics.horizontalAdvance(firstCreditText()) + kLinkGap +
                   metrics.horizontalAdvance(kAddress) <=
               kTextRight - kCreditsLeft &&
           metrics.horizontalAdvance(secondCreditText()) <= kTextRight - kCreditsLeft;
}

// The fixed client area suits a small dialog font; a larger desktop font is stepped down until
// every line fits, rather than cutting the product name or the address.
// A desktop font may be given in pixels rather than points (pointSizeF() is then -1).
QFont labelFont(QFont font) {
    font.setBold(true);
    constexpr qreal kSmallestPoints = 6.0;
    constexpr int kSmallestPixels = 8;
    while (!allLinesFit(font)) {
        if (font.pointSizeF() > kSmallestPoints) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        } else if (font.pointSizeF() <= 0 && font.pixelSize() > kSmallestPixels) {
            font.setPixelSize(font.pixelSize() - 1);
        } else {
            break;
        }
    }
    return font;
}

void styleLabel(QLabel* label, const char* name, const QFont& font, const QColor& colour) {
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->adjustSize();
}

}  // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(tr("About"));
    setFixedSize(kWidth, kHeight);
    shellstyle::paintPanel(this);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(kPanel);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(kIcon);
    icon->setScaledContents(true);
    const QPixmap picture(QStringLiteral(":/art/program-icon.png"));
    if (!picture.isNull()) icon->setPixmap(picture);

    const QFont font = labelFont(this->font());
    auto* product = new QLabel(productNameText(), panel);
    styleLabel(product, "ProductName", font, kNavy);
    product->move(kNameLeft, kProductTop);
    auto* version = new QLabel(versionText(), panel);
    styleLabel(version, "Version", font, kNavy);
    version->move(kNameLeft, kVersionTop);
    auto* firstCredit = new QLabel(firstCreditText(), panel);
    styleLabel(firstCredit, "Copyright", font, kBlack);
    firstCredit->move(kCreditsLeft, kFirstCreditTop);
    auto* secondCredit = new QLabel(secondCreditText(), panel);
    styleLabel(secondCredit, "Comments", font, kBlack);
    secondCredit->move(kCreditsLeft, kSecondCreditTop);

    link_ = new LinkLabel(kAddress, panel);
    styleLabel(link_, "Label2", font, kBlue);
    link_->move(kTextRight - link_->width(), kFirstCreditTop);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(kOkButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace varn
