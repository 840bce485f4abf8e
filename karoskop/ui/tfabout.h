#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace karoskop {

// The about box: the information lines, the logo, name and version.
class TfAbout final : public QDialog
{
    Q_OBJECT
public:
    explicit TfAbout(QWidget* parent = nullptr);

    void setInformationLines(const QStringList& lines);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* m_lines = nullptr;
};

} // namespace karoskop
