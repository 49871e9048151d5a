#include "ScreenFit.h"

#include <QBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>

bool ScreenFit::Apply(QWidget *window, QStackedWidget *pages, QBoxLayout *layout)
{
    const QScreen *screen = window->screen();
    const QRect available = screen->availableGeometry();
    const QSize minimum = window->minimumSize();
    if (screen->devicePixelRatio() <= 1 ||
        (available.width() >= minimum.width() && available.height() >= minimum.height()))
        return false;
    auto *scroll = new QScrollArea(pages->parentWidget());
    scroll->setObjectName(QStringLiteral("FuncScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The page behind shows through, as it did behind the pages.
    scroll->viewport()->setAutoFillBackground(false);
    delete layout->replaceWidget(pages, scroll);
    scroll->setWidget(pages);
    pages->setAutoFillBackground(false);
    window->setMinimumSize(minimum.boundedTo(available.size()));
    window->setGeometry(QRect(available.topLeft(), window->size().boundedTo(available.size())));
    return true;
}
