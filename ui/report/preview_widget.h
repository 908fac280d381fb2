// Vp, the report window's preview: one composed page of a PageDocument at a time, drawn as a
// sheet of paper at a zoom percent of its real size, with page and zoom notifications.
#pragma once

#include <QScrollArea>

namespace tarelvo {

class PageDocument;

class PreviewWidget : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kZoomMin = 10;
    static constexpr int kZoomMax = 400;

    explicit PreviewWidget(QWidget* parent = nullptr);

    // The document shown; it must outlive the widget or be replaced first.
    void setDocument(const PageDocument* doc);
    // The document's pages have changed: the shown page stays when it still exists, else the
    // last one is shown.
    void refresh();

    int pageCount() const;
    // The shown page, from 1; 1 while there are no pages.
    int page() const { return page_; }
    void setPage(int page);

    int zoom() const { return zoom_; }
    int zoomMin() const { return kZoomMin; }
    int zoomMax() const { return kZoomMax; }
    void setZoom(int percent);
    int zoomStep() const { return zoomStep_; }
    void setZoomStep(int step);

    // Whether the user may page, zoom and scroll with the keyboard and mouse.
    bool inputEnabled() const { return input_; }
    void setInputEnabled(bool on);

    // The sheet's size on screen at the current zoom; empty without pages.
    QSize sheetPixels() const;

signals:
    void pageChanged(int page);
    void zoomChanged(int zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Sheet;
    void resizeSheet();

    const PageDocument* doc_ = nullptr;
    Sheet* sheet_;
    int page_ = 1;
    int zoom_ = 70;
    int zoomStep_ = 10;
    bool input_ = true;
};

}  // namespace tarelvo
