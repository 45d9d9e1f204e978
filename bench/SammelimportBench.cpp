// The bulk import of published logs: 2,000 EDI files of 300 contacts each, read from
// a folder and written into LOGSTATIONS, in one run (budget 30 s on the target machine).
#include "Zufallsdaten.h"
#include "callinfo/Sammelimport.h"
#include "store/Connection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

constexpr int kDateien = 2000;
constexpr int kKontakte = 300;

struct Logs {
    QTemporaryDir dir;
    QString contestDat;
};

// 20,000 stations; every log works 300 of them and gets one locator in a hundred wrong.
Logs& logs()
{
    static std::unique_ptr<Logs> l;
    if (l)
        return *l;
    l = std::make_unique<Logs>();
    QList<std::pair<QString, QString>> stationen;
    for (int i = 0; i < 20000; ++i)
        stationen.append({ tarvex::bench::rufzeichen(), tarvex::bench::locator() });
    for (int d = 0; d < kDateien; ++d) {
        const QString ordner = l->dir.filePath(u"contest%1"_s.arg(d % 20));
        QDir().mkpath(ordner);
        const auto& [pcall, pwwlo] = stationen[d * 7 % stationen.size()];
        QString t = u"[REG1TEST;1]\nTName=Bench\nPCall=%1\nPWWLo=%2\nPBand=%3\n[Remarks]\n[QSORecords;%4]\n"_s
                        .arg(pcall, pwwlo, d % 3 == 0 ? u"432 MHz"_s : u"144 MHz"_s)
                        .arg(kKontakte);
        for (int q = 0; q < kKontakte; ++q) {
            const auto& [call, loc] = stationen[tarvex::bench::wahl(static_cast<int>(stationen.size()))];
            const QString locator = tarvex::bench::wahl(100) == 0 ? tarvex::bench::locator() : loc;
            t += u"2612%1;%2;%3;1;59;%4;59;%5;;%6;%7;;;;\n"_s.arg(10 + d % 18)
                     .arg(1400 + q % 60)
                     .arg(call)
                     .arg(q + 1, 3, 10, QChar(u'0'))
                     .arg(q + 7, 3, 10, QChar(u'0'))
                     .arg(locator)
                     .arg(100 + q);
        }
        QFile f(ordner + u"/log%1.edi"_s.arg(d));
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        f.write((t + u"[END;Bench]\n"_s).toLatin1());
    }
    l->contestDat = l->dir.filePath(u"CONTEST.DAT"_s);
    tarvex::Connection c(l->contestDat, tarvex::Connection::Zugriff::Anlegen);
    c.exec(u"CREATE TABLE STATIONS(CALL TEXT, LOCATORS TEXT)"_s);
    return *l;
}

void BM_Sammelimport(benchmark::State& state)
{
    Logs& l = logs();
    for (auto _ : state) {
        tarvex::Connection c(l.contestDat, tarvex::Connection::Zugriff::LesenSchreiben);
        const QStringList pfade = tarvex::Sammelimport::ediDateien(l.dir.path());
        const tarvex::Sammelimport::Bericht b = tarvex::Sammelimport::importieren(c, pfade, {}, {});
        state.counters["Dateien"] = b.dateien;
        state.counters["Paare"] = b.paareGesehen;
        state.counters["Stationen"] = b.stationen;
    }
}
BENCHMARK(BM_Sammelimport)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
