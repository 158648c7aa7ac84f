#include "app/splash.h"

#include "rules/law.h"
#include "toolkit/icon.h"
#include "toolkit/look.h"

namespace colour = toolkit::colour;

SplashForm::SplashForm(std::chrono::milliseconds delay)
    : Form("frmSplash", QString(), 4860, 1875, colour::teal) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::NoFrame);
    Frame1->setGeometry(rect());
    toolkit::paint(Frame1, Qt::black, colour::teal);

    auto label = [this](const char* name, const QString& text, QRect place, double points) {
        auto* l = new QLabel(text, Frame1);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(place);
        l->setFont(toolkit::font("Arial", points, false, true));
        toolkit::paint(l, colour::darkGreen, colour::pink);
        return l;
    };
    lblProductName =
        label("lblProductName", "Product", toolkit::twipsRect(600, 120, 3735, 885), 36);
    lblVersion = label("lblVersion", "2012 - 13", toolkit::twipsRect(720, 960, 1365, 360), 15.75);
    lblCopyright =
        label("lblCopyright", "By The Fiscora Team", toolkit::twipsRect(2280, 1320, 2415, 255), 12);
    lblCompany =
        label("lblCompany", "Fiscora Project", toolkit::twipsRect(960, 1560, 3735, 255), 12);

    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(toolkit::twipsRect(3360, 600, 480, 480));
    Picture1->setPixmap(toolkit::programPixmap(Picture1->width()));

    // On load: the year without blanks and the product name replace the design texts.
    lblVersion->setText(QString::fromStdString(fiscora::law2012().name));
    lblProductName->setText("Fiscora");

    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(false);
    Timer1.setInterval(delay);
    connect(&Timer1, &QTimer::timeout, this, &SplashForm::timeUp);
    Timer1.start();
}
