#include "kwitola/register/export/tablepdf.h"

#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kwitola::registry {

namespace {

// Everything a text's plan depends on: all but where its box stands.
QString planKey(const common::PageElement& e)
{
    const common::PageFont& f = e.font;
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
        .arg(f.family)
        .arg(f.pointSize)
        .arg(int(f.bold) | int(f.italic) << 1 | int(f.underline) << 2)
        .arg(e.rect.width())
        .arg(e.rect.height())
        .arg(static_cast<int>(e.align))
        .arg(int(e.wordWrap))
        .arg(e.maxLines)
        .arg(e.text);
}

// The plans of the texts drawn so far, each made for a box at some place
// and moved to the box it is drawn in.
class PlanCache final
{
public:
    common::TextPlan planFor(const common::PageElement& e)
    {
        const QString key = planKey(e);
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
    QHash<QString, Made> m_plans;
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
