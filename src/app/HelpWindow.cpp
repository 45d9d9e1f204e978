#include "HelpWindow.h"

#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

// The resource lives in a static library: without this call the linker may drop it.
static void hilfeAnmelden()
{
    Q_INIT_RESOURCE(hilfe);
}

namespace tarvex {

using namespace Qt::StringLiterals;

QUrl HelpWindow::startseite()
{
    static const bool angemeldet = (hilfeAnmelden(), true);
    Q_UNUSED(angemeldet);
    return QUrl(u"qrc:/hilfe/index.html"_s);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this))
{
    setObjectName(u"frmAnleitung"_s);
    setWindowTitle(u"Tarvex – Anleitung"_s);
    browser_->setObjectName(u"txtAnleitung"_s);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto* leiste = new QToolBar(this);
    leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* zurück = leiste->addAction(u"Zurück"_s, browser_, &QTextBrowser::backward);
    zurück->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    zurück->setToolTip(u"Zurück (Alt+Links)"_s);
    QAction* vorwärts = leiste->addAction(u"Vorwärts"_s, browser_, &QTextBrowser::forward);
    vorwärts->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    vorwärts->setToolTip(u"Vorwärts (Alt+Rechts)"_s);
    QAction* inhalt = leiste->addAction(u"Inhalt"_s, browser_, &QTextBrowser::home);
    inhalt->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    inhalt->setToolTip(u"Inhalt (Alt+Pos1)"_s);
    connect(browser_, &QTextBrowser::backwardAvailable, zurück, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vorwärts, &QAction::setEnabled);
    zurück->setEnabled(false);
    vorwärts->setEnabled(false);
    auto* schließen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(schließen, &QShortcut::activated, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(leiste);
    layout->addWidget(browser_);

    browser_->setSource(startseite());
    resize(720, 640);
}

HelpWindow* HelpWindow::zeigen(QWidget* parent)
{
    HelpWindow* fenster
        = parent ? parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!fenster) {
        fenster = new HelpWindow(parent);
        if (!parent)
            fenster->setAttribute(Qt::WA_DeleteOnClose);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    fenster->browser()->setFocus();
    return fenster;
}

} // namespace tarvex
