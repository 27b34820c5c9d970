#include "ui/RecorderDialog.h"

#include "audio/RecorderForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace verbalink {

RecorderDialog::RecorderDialog(RecorderForm& form, QString deleteQuestion, QWidget* parent)
    : QDialog(parent), m_form(form), m_deleteQuestion(std::move(deleteQuestion))
{
    setWindowTitle(QStringLiteral("Voice Call Recorder"));
    buildControls();
    const RecorderForm::Options options = m_form.open();
    m_autoRecord->setChecked(options.autoRecord);
    m_stereo->setChecked(options.stereo);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &RecorderDialog::refresh);
    m_timer.start();
    refresh();
    // Starting and stopping is what the window is mostly opened for.
    if (m_record->isEnabled())
        m_record->setFocus();
    // Escape and the close box stop the timer and store nothing.
    connect(this, &QDialog::rejected, &m_timer, &QTimer::stop);
}

void RecorderDialog::buildControls()
{
    m_call = new QLabel(this);
    m_recording = new QLabel(this);
    m_record = new QPushButton(this);
    m_stereo = new QCheckBox(QStringLiteral("Stereo Recording"), this);
    auto* current = new QGroupBox(QStringLiteral("Current Call"), this);
    auto* currentLayout = new QVBoxLayout(current);
    currentLayout->addWidget(m_call);
    currentLayout->addWidget(m_recording);
    auto* recordRow = new QHBoxLayout;
    recordRow->addWidget(m_record);
    recordRow->addWidget(m_stereo);
    recordRow->addStretch();
    currentLayout->addLayout(recordRow);

    m_autoRecord = new QCheckBox(
        QStringLiteral("Automatic Recording\nstart recording when a voice call is detected"), this);
    auto* show = new QPushButton(QStringLiteral("Show recorded calls"), this);
    auto* erase = new QPushButton(QStringLiteral("Delete all records"), this);
    auto* manager = new QGroupBox(QStringLiteral("Voice Call Manager"), this);
    auto* managerLayout = new QVBoxLayout(manager);
    managerLayout->addWidget(m_autoRecord);
    auto* managerButtons = new QHBoxLayout;
    managerButtons->addWidget(show);
    managerButtons->addWidget(erase);
    managerButtons->addStretch();
    managerLayout->addLayout(managerButtons);

    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(current);
    layout->addWidget(manager);
    layout->addLayout(bottom);

    connect(m_record, &QPushButton::clicked, this, [this] {
        m_form.pressRecord();
        refresh();
    });
    connect(show, &QPushButton::clicked, this, [this] { m_form.showRecordedCalls(); });
    connect(erase, &QPushButton::clicked, this,
            [this] { m_form.deleteAllRecords(m_deleteQuestion); });
    connect(done, &QPushButton::clicked, this, &RecorderDialog::finish);
}

void RecorderDialog::refresh()
{
    const RecorderForm::View view = m_form.view();
    m_call->setText(view.call);
    m_recording->setText(view.recording);
    m_record->setText(view.button);
    m_record->setEnabled(view.buttonEnabled);
}

void RecorderDialog::finish()
{
    m_timer.stop();
    m_form.done({m_autoRecord->isChecked(), m_stereo->isChecked()});
    accept();
}

} // namespace verbalink
