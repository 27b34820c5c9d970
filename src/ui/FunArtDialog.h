#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace verbalink {

class TextArtPictures;

// "Verbalink Fun & Art Message": a contact, an effect and its picture as a preview. Send posts
// the effect by its name and leaves the dialog open.
class FunArtDialog : public QDialog {
    Q_OBJECT
public:
    using Send = std::function<void(const QString& user, const QString& effect)>;

    FunArtDialog(const TextArtPictures& pictures, const QStringList& contacts, Send send,
                 QWidget* parent = nullptr);

    QComboBox& users() { return *m_users; }
    QComboBox& effects() { return *m_effects; }
    QPlainTextEdit& preview() { return *m_preview; }
    QPushButton& sendButton() { return *m_send; }

private:
    void showPreview();

    const TextArtPictures& m_pictures;
    Send m_sendTo;
    QComboBox* m_users;
    QComboBox* m_effects;
    QPlainTextEdit* m_preview;
    QPushButton* m_send;
};

} // namespace verbalink
