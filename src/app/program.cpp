#include "app/program.h"

Program::Program(toolkit::Services services)
    : services_(services), main_([this] {
          auto* w = new MainWorksheet(services_.messages);
          wireWorksheet(*w);
          return w;
      }) {}

Program::~Program() {
    delete splash_.data();
}

void Program::start(std::chrono::milliseconds splashDelay) {
    splash_ = new SplashForm(splashDelay);
    connect(splash_, &SplashForm::timeUp, this, [this] {
        showWorksheet();
        splash_->Timer1.stop();
        splash_->close();
        splash_->deleteLater();
        splash_ = nullptr;
    });
    splash_->showForm();
}

void Program::showWorksheet() {
    main_.show();
}

void Program::wireWorksheet(MainWorksheet& w) {
    connect(w.cmdexit, &QPushButton::clicked, this, &Program::exit);
    // Closing the worksheet's window ends the program, as Exit does: the detail forms,
    // hidden or not, must not keep it running without its hub.
    connect(&w, &toolkit::Form::closedByUser, this, &Program::exit);
    connect(w.Label7, &toolkit::LinkLabel::clicked, this, &Program::openDownloadPage);
}

void Program::openDownloadPage() {
    if (!services_.browser.open(MainWorksheet::downloadAddress())) {
        services_.messages.inform(QStringLiteral("Unable to start Web browser !"));
    }
}

void Program::exit() {
    if (ended_) {
        return;
    }
    ended_ = true;
    // Hide now, delete with the program: a form may be in the middle of its own click.
    if (MainWorksheet* w = main_.existing()) {
        w->hide();
    }
    if (splash_) {
        splash_->hide();
    }
    emit finished();
}
