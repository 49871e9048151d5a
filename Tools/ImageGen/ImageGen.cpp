// image-gen <ResourcesDir>: draws every picture of the program into the resource folders.

#include "Glyphs.h"
#include "IcoWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>
#include <functional>

using namespace Glyphs;

namespace {

struct Picture
{
    QString path;
    int width;
    int height;
    std::function<void(QPainter &)> draw;
};

const QVector<int> kIconSizes = {16, 24, 32, 48, 256};
// The sizes of the desktop icon theme ("hicolor") that the installation fills.
const QVector<int> kThemeIconSizes = {16, 32, 48, 64, 128, 256};

QImage Render(int width, int height, const std::function<void(QPainter &)> &draw)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

QVector<Picture> Pictures()
{
    const auto mark = [](int size) { return [size](QPainter &p) { ProductMark(p, size); }; };
    const auto paging = [](Direction direction, PagingLook look) {
        return [direction, look](QPainter &p) { PagingButton(p, direction, look); };
    };
    QVector<Picture> pictures = {
        {"Images/TitleLogo.png", 20, 20, mark(20)},
        {"Images/applogo.png", 80, 80, mark(80)},
        {"Images/Minimality.png", 12, 12, [](QPainter &p) { MinimiseGlyph(p, kText); }},
        {"Images/Maximization.png", 12, 12, [](QPainter &p) { MaximiseGlyph(p, kText); }},
        {"Images/MaxScreenimization.png", 12, 12, [](QPainter &p) { RestoreGlyph(p, kText); }},
        {"Images/Close_gray.png", 12, 12, [](QPainter &p) { CrossGlyph(p, 12, kText); }},
        {"Images/Close.png", 12, 12, [](QPainter &p) { CrossGlyph(p, 12, Qt::white); }},
        {"Image/White/PullDown.png", 12, 12, [](QPainter &p) { ComboArrow(p, Direction::Down); }},
        {"Image/White/PullUp.png", 12, 12, [](QPainter &p) { ComboArrow(p, Direction::Up); }},
        {"Image/White/data.png", 20, 20, [](QPainter &p) { ListViewGlyph(p, kActiveGreen); }},
        {"Image/White/data_gray.png", 20, 20, [](QPainter &p) { ListViewGlyph(p, kInactiveGray); }},
        {"Image/White/curve.png", 20, 20, [](QPainter &p) { LineChartGlyph(p, kActiveGreen); }},
        {"Image/White/curve_gray.png", 20, 20,
         [](QPainter &p) { LineChartGlyph(p, kInactiveGray); }},
        {"Image/White/bar.png", 20, 20, [](QPainter &p) { BarChartGlyph(p, kActiveGreen); }},
        {"Image/White/bar_gray.png", 20, 20, [](QPainter &p) { BarChartGlyph(p, kInactiveGray); }},
        {"Image/White/pre_normal.png", 30, 30, paging(Direction::Left, PagingLook::Normal)},
        {"Image/White/pre_hover.png", 30, 30, paging(Direction::Left, PagingLook::Hover)},
        {"Image/White/pre_click.png", 30, 30, paging(Direction::Left, PagingLook::Click)},
        {"Image/White/pre_disable.png", 30, 30, paging(Direction::Left, PagingLook::Disabled)},
        {"Image/White/next_normal.png", 30, 30, paging(Direction::Right, PagingLook::Normal)},
        {"Image/White/next_hover.png", 30, 30, paging(Direction::Right, PagingLook::Hover)},
        {"Image/White/next_click.png", 30, 30, paging(Direction::Right, PagingLook::Click)},
        {"Image/White/next_disable.png", 30, 30, paging(Direction::Right, PagingLook::Disabled)},
        {"Image/White/MessageSync.png", 30, 30, [](QPainter &p) { SyncGlyph(p, kProgressGreen); }},
        {"Image/White/MessageUpdate.png", 30, 30,
         [](QPainter &p) { DownloadGlyph(p, kProgressGreen); }},
        {"Image/White/DevDisconnected.png", 50, 50, [](QPainter &p) { UnpluggedGlyph(p); }},
        {"Image/White/Timeout.png", 50, 50, [](QPainter &p) { ClockGlyph(p, kOrange); }},
        {"Image/White/Warning.png", 50, 50, [](QPainter &p) { WarningGlyph(p); }},
        {"Image/White/Information.png", 50, 50, [](QPainter &p) { InformationGlyph(p); }},
        {"Image/White/SaveFileLogo.png", 20, 20, mark(20)},
        {"Image/White/SaveFileClose.png", 10, 10, [](QPainter &p) { CrossGlyph(p, 10, kText); }},
    };
    for (int size : kThemeIconSizes)
        pictures.append({QStringLiteral("Icons/hicolor/%1x%1/apps/varnolithic.png").arg(size), size,
                         size, mark(size)});
    return pictures;
}

bool WriteWindowIcon(const QDir &root)
{
    QVector<QImage> sizes;
    for (int size : kIconSizes)
        sizes << Render(size, size, [size](QPainter &p) { ProductMark(p, size); });
    return WriteIcoFile(root.filePath("Images/Varnolithic.ico"), sizes);
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: image-gen <ResourcesDir>\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Picture &picture : Pictures()) {
        const QString path = root.filePath(picture.path);
        QDir().mkpath(QFileInfo(path).path());
        if (!Render(picture.width, picture.height, picture.draw).save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            ok = false;
        }
    }
    if (!WriteWindowIcon(root)) {
        err << "cannot write the window icon\n";
        ok = false;
    }
    return ok ? 0 : 1;
}
