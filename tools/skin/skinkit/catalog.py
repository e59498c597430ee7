"""Every bitmap and icon resource of NookBackup: number, file, size, role
and how the program makes it transparent. The generator, the checker and
resources.md all read this one table."""

from collections import namedtuple

from .icons import ICONS, SIZES

# key: how the program treats the image's transparent colour
REGION_TOLERANT = "magenta 255,0,255: window region, green 0-16 also cut"
REGION_EXACT = "magenta 255,0,255: window region, exact"
MASK_MAGENTA = "magenta 255,0,255: button mask"
MASK_GREY = "236,236,236: button mask"
MASK_BLACK = "black 0,0,0: button mask"
MASK_BLACK_CHOSEN = "black 0,0,0: button mask (key chosen to match the notice buttons)"
OPAQUE = "none (opaque)"
CAPTION = "none: opaque, holds no magenta and no black, so either key works"

Bitmap = namedtuple("Bitmap", "number stem size role key chosen")
Icon = namedtuple("Icon", "number stem sizes role")

_B = Bitmap

BITMAPS = [
    # Main window frame (CSkinDialog)
    _B(180, "frame_top_left", (5, 29), "main frame: top-left corner", REGION_TOLERANT, False),
    _B(179, "frame_top", (4, 29), "main frame: top edge, stretched across", REGION_TOLERANT, False),
    _B(172, "frame_top_right", (5, 29), "main frame: top-right corner", REGION_TOLERANT, False),
    _B(176, "frame_left", (5, 4), "main frame: left edge, stretched down", REGION_TOLERANT, False),
    _B(177, "frame_right", (5, 4), "main frame: right edge, stretched down", REGION_TOLERANT, False),
    _B(174, "frame_bottom_left", (5, 5), "main frame: bottom-left corner", REGION_TOLERANT, False),
    _B(173, "frame_bottom", (4, 5), "main frame: bottom edge, stretched across", REGION_TOLERANT, False),
    _B(175, "frame_bottom_right", (5, 5), "main frame: bottom-right corner", REGION_TOLERANT, False),
    _B(132, "caption_close", (26, 17), "caption close button, normal (also the dialogs' close button 1015)", CAPTION, False),
    _B(131, "caption_close_hover", (26, 17), "caption close button, hover", CAPTION, False),
    _B(184, "caption_maximise", (26, 17), "caption maximise button, normal", CAPTION, False),
    _B(183, "caption_maximise_hover", (26, 17), "caption maximise button, hover", CAPTION, False),
    _B(182, "caption_restore", (26, 17), "caption restore button, normal", CAPTION, False),
    _B(187, "caption_restore_hover", (26, 17), "caption restore button, hover", CAPTION, False),
    _B(188, "caption_minimise", (26, 17), "caption minimise button, normal", CAPTION, False),
    _B(189, "caption_minimise_hover", (26, 17), "caption minimise button, hover", CAPTION, False),
    _B(178, "main_background", (800, 600), "main dialog background, in window coordinates", OPAQUE, True),
    # Main dialog buttons (CSkinButton)
    _B(157, "btn_login", (52, 52), "Login 1016, normal", MASK_GREY, True),
    _B(160, "btn_login_hover", (52, 52), "Login 1016, hover and pressed", MASK_GREY, True),
    _B(165, "btn_login_inactive", (52, 52), "Login twin 1025, inactive", MASK_GREY, True),
    _B(159, "btn_backup", (52, 52), "Backup 1023, normal", MASK_GREY, True),
    _B(158, "btn_backup_hover", (52, 52), "Backup 1023, hover and pressed", MASK_GREY, True),
    _B(163, "btn_backup_inactive", (52, 52), "Backup twin 1026, inactive", MASK_GREY, True),
    _B(162, "btn_refresh", (52, 52), "Refresh 1027, normal", MASK_GREY, True),
    _B(161, "btn_refresh_hover", (52, 52), "Refresh 1027, hover and pressed", MASK_GREY, True),
    _B(164, "btn_refresh_inactive", (52, 52), "Refresh twin 1028, inactive", MASK_GREY, True),
    _B(169, "link_home", (92, 11), "home-page link 1030, normal", MASK_BLACK, True),
    _B(168, "link_home_hover", (92, 11), "home-page link 1030, hover", MASK_BLACK, True),
    _B(167, "link_forum", (48, 13), "forum link 1029, normal", MASK_BLACK, True),
    _B(166, "link_forum_hover", (48, 13), "forum link 1029, hover", MASK_BLACK, True),
    _B(212, "btn_prev_page", (36, 33), "previous page 1037, normal", MASK_BLACK, True),
    _B(211, "btn_prev_page_hover", (36, 33), "previous page 1037, hover", MASK_BLACK, True),
    _B(210, "btn_next_page", (36, 33), "next page 1038, normal", MASK_BLACK, True),
    _B(209, "btn_next_page_hover", (36, 33), "next page 1038, hover", MASK_BLACK, True),
    _B(170, "banner", (200, 50), "banner 1031", MASK_MAGENTA, True),
    _B(206, "deco_signature", (91, 17), "decoration 1039 (footer, left)", MASK_MAGENTA, True),
    _B(207, "deco_home", (16, 16), "decoration 1040 (house before the home-page link)", MASK_MAGENTA, True),
    _B(208, "deco_forum", (14, 17), "decoration 1041 (bubble before the forum link)", MASK_MAGENTA, True),
    # Panel frames (CSkinFrame 1034, 1035)
    _B(197, "panel_top_left", (8, 8), "work-area and page frames: top-left", OPAQUE, False),
    _B(196, "panel_top", (8, 8), "work-area and page frames: top", OPAQUE, False),
    _B(190, "panel_top_right", (8, 8), "work-area and page frames: top-right", OPAQUE, False),
    _B(194, "panel_left", (8, 8), "work-area and page frames: left", OPAQUE, False),
    _B(195, "panel_right", (8, 8), "work-area and page frames: right", OPAQUE, False),
    _B(192, "panel_bottom_left", (8, 8), "work-area and page frames: bottom-left", OPAQUE, False),
    _B(191, "panel_bottom", (8, 8), "work-area and page frames: bottom", OPAQUE, False),
    _B(193, "panel_bottom_right", (8, 8), "work-area and page frames: bottom-right", OPAQUE, False),
    # Tree frame (CSkinFrame 1032)
    _B(205, "tree_frame_top_left", (7, 27), "tree frame: top-left", OPAQUE, False),
    _B(204, "tree_frame_top", (4, 27), "tree frame: top (header band)", OPAQUE, False),
    _B(198, "tree_frame_top_right", (13, 27), "tree frame: top-right (bookmark ribbon)", OPAQUE, False),
    _B(202, "tree_frame_left", (7, 4), "tree frame: left", OPAQUE, False),
    _B(203, "tree_frame_right", (13, 4), "tree frame: right", OPAQUE, False),
    _B(200, "tree_frame_bottom_left", (7, 16), "tree frame: bottom-left", OPAQUE, False),
    _B(199, "tree_frame_bottom", (4, 16), "tree frame: bottom", OPAQUE, False),
    _B(201, "tree_frame_bottom_right", (13, 16), "tree frame: bottom-right", OPAQUE, False),
    # Login dialog
    _B(130, "login_background", (320, 297), "login dialog background and shape", REGION_EXACT, False),
    _B(134, "btn_login_submit", (62, 30), "login dialog log-in button 1004, normal (caption in image)", MASK_BLACK_CHOSEN, True),
    _B(133, "btn_login_submit_hover", (62, 30), "login dialog log-in button 1004, hover", MASK_BLACK_CHOSEN, True),
    # Notice dialog
    _B(137, "notice_background", (320, 200), "notice dialog background and shape", REGION_EXACT, False),
    _B(139, "btn_ok", (62, 27), "notice OK button, normal (caption in image)", MASK_BLACK, True),
    _B(138, "btn_ok_hover", (62, 27), "notice OK button, hover", MASK_BLACK, True),
    _B(141, "btn_cancel", (62, 27), "notice Cancel button, normal (caption in image)", MASK_BLACK, True),
    _B(140, "btn_cancel_hover", (62, 27), "notice Cancel button, hover", MASK_BLACK, True),
]

ICON_LIST = [Icon(num, stem, SIZES, role) for num, (stem, role, _) in sorted(ICONS.items())]


def bitmap_file(entry):
    return "%s_%d.bmp" % (entry.stem, entry.number)


def icon_file(entry):
    return "%s_%d.ico" % (entry.stem, entry.number)


# Edge pieces that the program stretches: (number, axis along which every
# row or column must be the same).
STRETCHED = {179: "x", 173: "x", 176: "y", 177: "y",
             196: "x", 191: "x", 194: "y", 195: "y",
             204: "x", 199: "x", 202: "y", 203: "y"}
