#pragma once

#include <QDialog>

namespace verbalink {

// The About box: the product's name and version, closed with its one button.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    static QString productName();
    static QString version();
};

} // namespace verbalink
