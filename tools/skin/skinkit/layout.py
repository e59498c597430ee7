"""Where the program places its controls, in window pixels (x, y, w, h).

The artwork is composed against these places so that soft edges blend
onto what really lies behind each image.
"""

WINDOW = (800, 600)
HEADER_TOP, HEADER_BOTTOM = 29, 82   # sky band under the title bar
FOOTER_TOP = 578                     # below the work-area frame

LOGIN = (40, 29, 52, 52)
BACKUP = (120, 29, 52, 52)
REFRESH = (200, 29, 52, 52)
LINK_HOME = (621, 580, 92, 11)
LINK_FORUM = (742, 578, 48, 13)
PREV_PAGE = (620, 533, 36, 33)
NEXT_PAGE = (680, 533, 36, 33)
BANNER = (590, 32, 200, 50)
DECO_LEFT = (10, 576, 91, 17)
DECO_HOME = (603, 576, 16, 16)
DECO_FORUM = (725, 576, 14, 17)
WORK_AREA = (10, 90, 780, 480)
PAGE_VIEW = (208, 118, 564, 404)
TREE = (27, 137, 156, 383)

LOGIN_DIALOG = (320, 297)
LOGIN_USER = (88, 142, 140, 16)
LOGIN_PASSWORD = (88, 177, 140, 16)
LOGIN_REMEMBER = (132, 208, 64, 14)
LOGIN_SUBMIT = (130, 239, 62, 30)
LOGIN_CLOSE = (291, 3, 26, 17)
LOGIN_HOME_LINK = (111, 101, 50, 12)
LOGIN_FORGOT = (239, 177, 60, 12)

NOTICE_DIALOG = (320, 200)
NOTICE_CLOSE = (290, 4, 26, 17)
NOTICE_OK_ALONE = (129, 150, 62, 27)
NOTICE_OK = (82, 150, 62, 27)
NOTICE_CANCEL = (176, 150, 62, 27)


def crop_box(rect):
    x, y, w, h = rect
    return (x, y, x + w, y + h)
