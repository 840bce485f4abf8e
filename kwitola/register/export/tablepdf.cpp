#include "kwitola/register/export/tablepdf.h"

#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QHashFunctions>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kwitola::registry {

namespace {

// Everything a text's plan depends on: all but where its box stands.
struct PlanKey
{
    QString text;
    common::PageFont font;
    QSize size;
    common::HAlign align = common::HAlign::Left;
    bool wordWrap = false;
    int maxLines = 0;

    explicit PlanKey(const common::PageElement& e)
        : text(e.text), font(e.font), size(e.rect.size()), align(e.align), wordWrap(e.wordWrap),
          maxLines(e.maxLines)
    {}
    bool operator==(const PlanKey&) const = default;
};

size_t qHash(const PlanKey& key, size_t seed = 0)
{
    const int style = int(key.font.bold) | int(key.font.italic) << 1 |
                      int(key.font.underline) << 2 | int(key.wordWrap) << 3 |
                      static_cast<int>(key.align) << 4;
    return qHashMulti(seed, key.text, key.font.family, key.font.pointSize, style, key.size.width(),
                      key.size.height(), key.maxLines);
}

// The plans of the texts drawn so far, each made for a box at some place
// and moved to the box it is drawn in.
class PlanCache final
{
public:
    common::TextPlan planFor(const common::PageElement& e)
    {
        const PlanKey key(e);
        auto it = m_plans.constFind(key);
        if (it == m_plans.constEnd()) {
            it = m_plans.insert(key, {common::planText(e), e.rect.topLeft()});
        }
        common::TextPlan plan = it->plan;
        plan.rect.translate(e.rect.topLeft() - it->madeAt);
        return plan;
    }

private:
    struct Made
    {
        common::TextPlan plan;
        QPoint madeAt;
    };
    QHash<PlanKey, Made> m_plans;
};

void drawPage(const common::Page& page, QPainter& painter, const QRectF& target, PlanCache& plans)
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.width, target.height() / page.height);
    for (const common::PageElement& e : page.elements) {
        if (e.kind != common::PageElement::Kind::Text) {
            common::renderElement(e, painter);
            continue;
        }
        const common::TextPlan plan = plans.planFor(e);
        painter.setPen(QColor::fromRgb(e.rgb));
        painter.setFont(plan.font);
        painter.drawText(plan.rect, plan.flags, plan.text);
    }
    painter.restore();
}

QPageLayout pdfLayout(const common::Page& page)
{
    const auto orientation =
        page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait;
    return {QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0)};
}

} // namespace

common::Result<void> writeTablePdf(const std::vector<common::Page>& pages, const QString& path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return common::fail(
            QStringLiteral("Nie można utworzyć folderu %1").arg(info.absolutePath()));
    }
    QPdfWriter writer(path);
    writer.setPageLayout(pdfLayout(pages.empty() ? common::Page() : pages.front()));
    writer.setResolution(300);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return common::fail(QStringLiteral("Nie można zapisać pliku %1").arg(path));
    }
    PlanCache plans;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(pdfLayout(pages.at(i)));
            writer.newPage();
        }
        drawPage(pages.at(i), painter, QRectF(0, 0, writer.width(), writer.height()), plans);
    }
    painter.end();
    return {};
}

} // namespace kwitola::registry
