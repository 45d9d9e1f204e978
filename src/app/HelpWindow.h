#pragma once
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace tarvex {

// "Tarvex – Anleitung": the German manual, HTML pages compiled in as resources,
// in a browser with back, forward and contents. One window per parent, kept
// between uses so the page last read stays open.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The Help menu's "&Anleitung": shows (or raises) the window, not modal.
    static HelpWindow* zeigen(QWidget* parent);

    // The manual's first page; every other page is reached from it.
    static QUrl startseite();
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace tarvex
