#pragma once

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QLabel;
class QPushButton;

namespace verbalink {

class RecorderForm;

// The "Voice Call Recorder" window: the current call and recording, refreshed every second, the
// start/stop button, the recordings' folder, and the two options that Done stores.
class RecorderDialog final : public QDialog {
    Q_OBJECT
public:
    // deleteQuestion is asked before every recording is deleted.
    RecorderDialog(RecorderForm& form, QString deleteQuestion, QWidget* parent = nullptr);

private:
    void buildControls();
    void refresh();
    void finish();

    RecorderForm& m_form;
    QString m_deleteQuestion;
    QTimer m_timer;
    QLabel* m_call = nullptr;
    QLabel* m_recording = nullptr;
    QPushButton* m_record = nullptr;
    QCheckBox* m_autoRecord = nullptr;
    QCheckBox* m_stereo = nullptr;
};

} // namespace verbalink
