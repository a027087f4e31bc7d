#pragma once

#include <QAbstractListModel>
#include <QIcon>

#include <string>
#include <vector>

namespace dirnal::ui {

// The rows of a directory list: the chain of open folders from the root
// down, each indented one step more than the one above it, then the open
// folder's subdirectories, indented one step below it.
class FolderListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    FolderListModel(QIcon openFolder, QIcon closedFolder, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The folder a row stands for.
    const std::string& path(int row) const { return rows_[static_cast<std::size_t>(row)].path; }

    struct Row {
        std::string path;
        QString text;
    };
    // The rows of folders shown `depth` steps in; made on any thread, as a
    // folder's subdirectories are made beside the event loop.
    static std::vector<Row> rowsFor(const std::vector<std::string>& folders, int depth);

    // The open folders, from the root down; their subdirectories follow later.
    void setChain(const std::vector<std::string>& folders);
    void setSubdirectories(std::vector<Row> rows);
    // The row of the open folder, the last of the chain; -1 without one.
    int openRow() const { return chainLength_ - 1; }

private:

    QIcon openFolder_, closedFolder_;
    std::vector<Row> rows_;
    int chainLength_ = 0;
};

}  // namespace dirnal::ui
