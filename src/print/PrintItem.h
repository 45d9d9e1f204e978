#pragma once
#include <QString>

#include <utility>

namespace tarvex {

// One item of a print: a text, a number shown as text, or a tab stop to a
// character column (1-based, in character widths of the current font).
class PrintItem {
public:
    enum class Art { Text, Tab };

    static PrintItem text(QString text) { return PrintItem(Art::Text, std::move(text), 0); }
    // Numbers are shown as plain decimal text without padding ("523", "-12", "3.5").
    static PrintItem wert(int zahl) { return text(QString::number(zahl)); }
    static PrintItem wert(qint64 zahl) { return text(QString::number(zahl)); }
    static PrintItem wert(double zahl) { return text(QString::number(zahl, 'g', 15)); }
    static PrintItem tab(int spalte) { return PrintItem(Art::Tab, QString(), spalte); }

    Art art() const { return art_; }
    const QString& inhalt() const { return text_; }
    int spalte() const { return spalte_; }

    friend bool operator==(const PrintItem&, const PrintItem&) = default;

private:
    PrintItem(Art art, QString text, int spalte)
        : art_(art)
        , text_(std::move(text))
        , spalte_(spalte)
    {
    }

    Art art_;
    QString text_;
    int spalte_;
};

} // namespace tarvex
