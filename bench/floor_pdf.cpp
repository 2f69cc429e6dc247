// The floor for the report export benchmark: two blank letter pages written with QPdfWriter.
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: floor_pdf OUT.pdf\n");
        return 2;
    }
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setResolution(300);
    QPainter painter(&writer);
    writer.newPage();
    return painter.end() ? 0 : 1;
}
