# Precompiled headers: Qt's and the standard library's headers, parsed once per target instead of
# once per file (they are most of a file's compile time). VELMIRA_PCH=OFF builds without them,
# which shows a file that leans on them for an include of its own.
option(VELMIRA_PCH "Precompile the Qt and standard headers most files include" ON)

set(VELMIRA_PCH_CORE <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QString>
    <QStringList> <QHash> <QList> <algorithm> <functional> <memory> <optional> <vector>)
set(VELMIRA_PCH_GUI ${VELMIRA_PCH_CORE} <QImage> <QColor> <QPainter> <QSize>)
set(VELMIRA_PCH_WIDGETS ${VELMIRA_PCH_GUI} <QApplication> <QCheckBox> <QComboBox> <QDialog>
    <QLabel> <QMenu> <QPushButton> <QWidget>)

# velmira_precompile(TARGET core|gui|widgets [EXTRA_HEADERS...])
function(velmira_precompile target kind)
  if(NOT VELMIRA_PCH)
    return()
  endif()
  string(TOUPPER "${kind}" kind)
  target_precompile_headers(${target} PRIVATE ${VELMIRA_PCH_${kind}} ${ARGN})
endfunction()
