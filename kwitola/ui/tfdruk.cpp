#include "kwitola/ui/tfdruk.h"

#include <QFile>
#include <QImage>

namespace kwitola::ui {

namespace {

// The picture's bytes, or nothing when the file is not a picture.
QByteArray loadPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray bytes = file.readAll();
    return QImage::fromData(bytes).isNull() ? QByteArray() : bytes;
}

} // namespace

TfDruk::TfDruk(QWidget* parent)
    : FixedDialog(QStringLiteral("Druk"), QSize(), parent, CaptionStyle::Plain)
{
    setObjectName(QStringLiteral("TfDruk"));
    rebuild();
}

void TfDruk::CzyscWydruk()
{
    m_input.lines.clear();
    m_input.amountInWords.clear();
    m_input.grosze.clear();
    rebuild();
}

void TfDruk::WypelnijWydruk(const InvoicePrintInput& input, const QString& logoPath)
{
    const QString mark = m_input.copyMark;
    m_input = input;
    m_input.copyMark = mark;
    if (!logoPath.isEmpty()) {
        m_logo = loadPicture(logoPath);
    }
    rebuild();
}

void TfDruk::setCopyMark(const QString& mark)
{
    m_input.copyMark = mark;
    rebuild();
}

void TfDruk::rebuild()
{
    m_input.logo = m_logo;
    m_page = invoicePrintout(m_input);
}

} // namespace kwitola::ui
