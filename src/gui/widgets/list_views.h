#pragma once
// The report-style list views of the pages: whole-row selection, no in-place editing, no
// sorting by a click on a header, row icons from the image list.
#include <QString>
#include <vector>

class QTreeWidget;
class QWidget;

namespace norvane {

struct ListColumn {
  QString header;
  int width = 100;
};

QTreeWidget* createListView(QWidget* parent, const QString& objectName,
                            const std::vector<ListColumn>& columns, bool showHeaders);

}  // namespace norvane
