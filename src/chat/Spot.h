#pragma once
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace tarvex {

// One spot line of a DX cluster:
// "DX de DL1ABC:    144300.0  OK1KKW       JO60RN<TR>JO70AA 599   1234Z JO31"
// Spotter with its colon, frequency in kHz, the spotted call, the comment, the
// time with "Z" and, from some clusters, the spotter's locator after it.
struct Spot {
    QString spotter; // without the colon; a cluster's "-#" stays
    qint64 hertz = 0;
    QString dxCall;
    QString kommentar;
    QString zeit; // "1234"
    QString band; // band table ("144MHz"), "" outside the contest bands
    QString locator; // the spotted station's locator from the comment, or ""
};

std::optional<Spot> spotLesen(QStringView zeile);

} // namespace tarvex
