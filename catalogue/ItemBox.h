#pragma once

#include <QComboBox>
#include <optional>

// A drop-down list of the whole item catalogue; the selected position is the
// item id. An id without an entry shows no selection and a placeholder naming
// the stored value, and is handed back unchanged until the user picks an entry.
class ItemBox : public QComboBox
{
    Q_OBJECT
    // The number a window binds to its field.
    Q_PROPERTY(int itemId READ itemId WRITE setItemId USER true)

public:
    explicit ItemBox(QWidget *parent = nullptr);

    void setItemId(int id);
    int itemId() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void forgetUnlisted();

    std::optional<int> m_unlisted;
};
