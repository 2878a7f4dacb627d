#include "gui/widgets/list_views.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace norvane {

QTreeWidget* createListView(QWidget* parent, const QString& objectName,
                            const std::vector<ListColumn>& columns, bool showHeaders) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(objectName);
  list->setRootIsDecorated(false);
  list->setItemsExpandable(false);
  list->setUniformRowHeights(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSortingEnabled(false);
  list->setAllColumnsShowFocus(true);
  list->setIconSize(QSize(16, 16));
  list->setColumnCount(static_cast<int>(columns.size()));
  QStringList headers;
  for (const ListColumn& c : columns) headers << c.header;
  list->setHeaderLabels(headers);
  for (int i = 0; i < static_cast<int>(columns.size()); ++i)
    list->setColumnWidth(i, columns[static_cast<size_t>(i)].width);
  list->header()->setSectionsClickable(false);
  list->header()->setStretchLastSection(true);
  list->setHeaderHidden(!showHeaders);
  return list;
}

}  // namespace norvane
