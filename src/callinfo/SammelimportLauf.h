#pragma once
#include "Sammelimport.h"

#include <QObject>
#include <QPointer>
#include <atomic>
#include <optional>

class QProgressDialog;
class QThread;
class QWidget;

namespace tarvex {

class ContestDat;
class OffenerContest;
class Prompter;

// "Bekannte Stationen importieren …": asks for the folder and the thresholds, reads the
// logs on a thread of its own with its own connection to CONTEST.DAT while a progress
// dialog shows the files done, and reports at the end. The window stays responsive, and
// "Abbrechen" stops at the next file with nothing written.
class SammelimportLauf : public QObject {
    Q_OBJECT
public:
    SammelimportLauf(OffenerContest& contest, ContestDat& contestDat, Prompter& prompter, QWidget* parent);
    ~SammelimportLauf() override;

    void starten();
    bool läuft() const { return worker_ != nullptr; }

signals:
    // After the report was shown, or when nothing was started.
    void done();

private:
    void fertig();

    OffenerContest& contest_;
    ContestDat& contestDat_;
    Prompter& prompter_;
    QWidget* parent_;
    QString ordner_;
    QThread* worker_ = nullptr;
    QPointer<QProgressDialog> dialog_;
    std::atomic<bool> abbrechen_ { false };
    std::atomic<int> erledigt_ { 0 };
    bool zeigt_ = false;
    Sammelimport::Bericht bericht_;
    std::optional<QString> fehler_;
};

} // namespace tarvex
