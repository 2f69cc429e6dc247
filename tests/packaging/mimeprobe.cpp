// Prints the MIME type Qt's database gives each file named on the command line, one per line.
// The packaging checks point the database at a scratch installation through XDG_DATA_DIRS.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QMimeDatabase database;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (const QString &file : arguments)
        out << file << ' ' << database.mimeTypeForFile(file).name() << '\n';
    return 0;
}
