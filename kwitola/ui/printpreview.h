#pragma once

#include <QDialog>

class QWidget;

namespace common {
struct Page;
}

namespace kwitola::ui {

// Shows a page before it is printed and returns when the user closes it.
class PreviewService
{
public:
    virtual ~PreviewService() = default;
    virtual void preview(const common::Page& page, QWidget* parent) = 0;
};

// The preview window: the page as it will print, and a close button; it
// prints nothing itself.
class PodgladWydruku final : public QDialog
{
    Q_OBJECT

public:
    explicit PodgladWydruku(const common::Page& page, QWidget* parent = nullptr);
};

// The production service: the preview window, modal.
class DialogPreviewService final : public PreviewService
{
public:
    void preview(const common::Page& page, QWidget* parent) override;
};

} // namespace kwitola::ui
