#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tarvex::test {

// A CUPS scheduler of the test's own: configuration, spool, logs and the PDF
// printers' output in a temporary directory, listening only on a socket there.
// The process's CUPS clients (Qt, lp, lpadmin) are pointed at it through
// CUPS_SERVER and CUPS_SERVERROOT, so a system CUPS is never asked or changed.
// Queues are PDF printers (cups-pdf); each writes its jobs into a folder of its
// own. Stopped, and its queue settings removed, when destroyed.
class CupsServer {
public:
    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    // Empty when the scheduler runs; else why it cannot, for the skip message.
    const QString& fehler() const { return fehler_; }

    // A PDF printer queue, enabled and accepting; standard: the default destination.
    bool druckerAnlegen(const QString& name, bool standard);
    // Runs a CUPS command-line tool against this scheduler; false on failure.
    bool befehl(const QString& programm, const QStringList& argumente);

    // The finished jobs' PDF files of a queue, in job order.
    QStringList ausgaben(const QString& drucker) const;
    // Waits until no job is pending or processing any more and the queue has
    // written this many files; false after the time-out.
    bool warten(const QString& drucker, int dateien);
    int offeneAufträge() const;
    void ausgabenLöschen();

private:
    QString pfad(const QString& name) const { return dir_.filePath(name); }
    QString instanzDatei(const QString& drucker) const;

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString fehler_;
    QStringList instanzen_;
};

} // namespace tarvex::test
