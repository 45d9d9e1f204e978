#pragma once
#include <QList>
#include <QObject>
#include <QStringList>

namespace tarvex {

class OffenerContest;
class Prompter;

// frmStatistik2: the course of the contest on the current band as one series of
// 24 values over the hours of a contest that starts at 14:00 UTC (row 1 = 14 UTC,
// row 24 = 13 UTC; the date is ignored). Reads the band, writes nothing.
class StatistikGrafikModel : public QObject {
    Q_OBJECT
public:
    enum class Reihe { Keine, QSOsNachZeit, PunkteNachZeit, QSOsKumuliert, PunkteKumuliert };

    StatistikGrafikModel(OffenerContest& contest, Prompter& prompter, QObject* parent = nullptr);

    static constexpr int kZeilen = 24;
    // Row 1..24 of a UTC hour 0..23, and back.
    static int zeile(int stunde);
    static int stunde(int zeile);

    // The buttons. A band without valid contacts leaves the chart as it was.
    void QSOsNachZeit();
    void PunkteNachZeit();
    void QSOsKumuliert();
    void PunkteKumuliert();

    // Row labels " 14", " 15", ..., " 0", ..., " 13".
    const QStringList& kategorien() const { return kategorien_; }
    // The 24 values, row 1 first; empty until a button has shown data.
    const QList<qint64>& werte() const { return werte_; }
    Reihe reihe() const { return reihe_; }
    QString titel() const;
    // What the bar of a row (1..24) stands for, for its tool tip.
    QString wertText(int zeile) const;
    // A file name for "Grafik speichern": contest, band and series, beside the contest file.
    QString dateiVorschlag() const;
    // The name as chosen, with ".png" added when it has no such ending.
    static QString mitPngEndung(const QString& pfad);

signals:
    void changed();

private:
    bool proStunde(bool punkte);
    void kumulieren();

    OffenerContest& contest_;
    Prompter& prompter_;
    QStringList kategorien_;
    QList<qint64> werte_;
    Reihe reihe_ = Reihe::Keine;
};

} // namespace tarvex
