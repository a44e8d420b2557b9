# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Names of every file assetgen writes into the game folder.
# Shared by CMakeLists.txt and check_assets.cmake so the two never disagree.
set(GAME_ASSET_NAMES
  0.bmp 1.bmp 2.bmp 3.bmp 4.bmp 5.bmp 6.bmp 7.bmp 8.bmp 9.bmp
  osieru.bmp osieru2.bmp siyou.bmp siyou2.bmp
  coma0.bmp coma1.bmp coma2.bmp comb0.bmp comb1.bmp comb2.bmp
  stt.bmp erai.bmp did.bmp end.bmp
  end0.bmp end1.bmp end2.bmp end3.bmp end4.bmp end5.bmp end6.bmp end7.bmp
  bgm.wav se0.wav se1.wav se2.wav se3.wav se4.wav
  help.txt
)
