# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures hexaline-web-art draws, relative to its output folder. Keep in step with
# main.cpp (it checks the count).
set(web_picture_names "")
foreach(scale 1 2)
  foreach(colour purple yellow orange red blue green)
    foreach(shape car smiley flower heart peace bubbles)
      list(APPEND web_picture_names tiles/${colour}-${shape}@${scale}x.png)
    endforeach()
  endforeach()
  foreach(name tiles/empty background finish clear pass start-game)
    list(APPEND web_picture_names ${name}@${scale}x.png)
  endforeach()
endforeach()
