# The Qt headers almost every source of the game includes, compiled once
# (for the drawing layer) and reused by the targets above it.
function(lumera_precompile_qt target)
  target_precompile_headers(${target} PRIVATE
    <QtCore/QString> <QtCore/QObject> <QtGui/QImage> <QtGui/QFont> <QtGui/QPainter>)
endfunction()
