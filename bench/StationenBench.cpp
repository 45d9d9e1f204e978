// "Bekannte Stationen übernehmen" without the windows: the valid contacts of a
// band of 1,000 / 10,000 / 50,000, read from the contest and merged into a STATIONS
// table of 100,000 rows, to the durable commit. Each run starts from the same table.
#include "Zufallsdaten.h"
#include "callinfo/StationsImport.h"
#include "store/Connection.h"
#include "store/ContestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

struct Stationen {
    QTemporaryDir dir;
    QString vorlage;
    QString pfad;
};

Stationen& stationen()
{
    static std::unique_ptr<Stationen> s;
    if (s)
        return *s;
    s = std::make_unique<Stationen>();
    s->vorlage = s->dir.filePath(u"VORLAGE.DAT"_s);
    s->pfad = s->dir.filePath(u"CONTEST.DAT"_s);
    tarvex::Connection c(s->vorlage, tarvex::Connection::Zugriff::Anlegen);
    c.exec(u"CREATE TABLE STATIONS(CALL TEXT, LOCATORS TEXT)"_s);
    c.exec(u"CREATE INDEX STATIONS_CALL ON STATIONS(CALL)"_s);
    c.exec(u"BEGIN"_s);
    for (int i = 0; i < 100000; ++i)
        c.execute(u"INSERT INTO STATIONS(CALL,LOCATORS) VALUES(?,?)"_s,
            { tarvex::bench::rufzeichen(), tarvex::bench::locator() });
    c.exec(u"COMMIT"_s);
    return *s;
}

void BM_BekannteStationenUebernehmen(benchmark::State& state)
{
    Stationen& s = stationen();
    QTemporaryDir contest;
    QDir::setCurrent(contest.path());
    auto db = tarvex::ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s }, { u"DL1ABC"_s, u"JO62QM"_s });
    QList<tarvex::QsoRecord> qsos;
    for (int i = 0; i < state.range(0); ++i) {
        const QString call = tarvex::bench::rufzeichen();
        qsos.append(
            { i + 1, u"06.05.02"_s, u"12:34"_s, call, u"59001"_s, u"59001"_s, tarvex::bench::locator(),
                u"512"_s, u"87"_s, call, QString(), u"Deutschland"_s, QString(), false });
    }
    db.qsosImportieren(u"144MHz"_s, qsos);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(s.pfad);
        QFile::copy(s.vorlage, s.pfad);
        state.ResumeTiming();
        tarvex::Connection c(s.pfad, tarvex::Connection::Zugriff::LesenSchreiben);
        benchmark::DoNotOptimize(tarvex::StationsImport::kontakteEinfügen(
            c, [&](const tarvex::StationenAbfrage::JePaar& je) { db.bekannteStationen(je); }));
    }
}
BENCHMARK(BM_BekannteStationenUebernehmen)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
