#include "app/Globals.h"
#include "support/TestSupport.h"
#include "ui/Icons.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The images ship beside the program: every index of the tree and every button name has its 16- and
// 32-pixel drawing, and they are not blank.
TEST(ShippedIcons, EveryTreeImageAndButtonIconHasBothSizes) {
    const QString saved = app::globals().programDir;
    app::globals().programDir = testsupport::programDir();
    std::vector<std::pair<QString, QIcon>> icons;
    for (int index = 0; index < ui::TreeImageCount; ++index)
        icons.emplace_back(QStringLiteral("tree %1").arg(index), ui::TreeImage(index));
    for (const char* name : {"first", "prior", "next", "last", "add", "delete", "record", "date", "picklist",
                             "select_category", "delete_category", "select_location", "delete_location",
                             "state", "inc", "dec", "clear", "sort", "list"})
        icons.emplace_back(QString::fromLatin1(name), ui::ButtonIcon(QString::fromLatin1(name)));
    for (const auto& [name, icon] : icons) {
        ASSERT_FALSE(icon.isNull()) << name.toStdString();
        const QList<QSize> sizes = icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32))) << name.toStdString();
        const QImage image = icon.pixmap(QSize(16, 16)).toImage();
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        EXPECT_GT(drawn, 40) << name.toStdString();
    }
    // Out of range or not a plain name: nothing, and never a file outside the folder.
    EXPECT_TRUE(ui::TreeImage(25).isNull());
    EXPECT_TRUE(ui::TreeImage(-1).isNull());
    EXPECT_TRUE(ui::ButtonIcon(QStringLiteral("../16/tree_00")).isNull());
    EXPECT_TRUE(ui::ButtonIcon(QStringLiteral("inconnu")).isNull());
    app::globals().programDir = saved;
}

} // namespace
