Keys, cursor and a clear screen
-------------------------------
SYS 8 clears the screen and puts the cursor at the top left. SYS 7 moves
the cursor to column R1, row R2 (both counted from 1). SYS 2 waits for a
single key and gives its code in R1 without showing it.
Run headless, tav2-cli reads the key from standard input; it has no
screen, so SYS 7 and SYS 8 write nothing there.

##
begin   SYS 8                 ; clear the screen
        MOVE R1, 10
        MOVE R2, 5
        SYS 7                 ; cursor to column 10, row 5
        MOVE R2, ask
        SYS 3                 ; "Press a key: "
        SYS 2                 ; R1 := the key's code, not shown
        PUSH R1               ; SYS 7 needs R1
        MOVE R1, 10
        MOVE R2, 7
        SYS 7                 ; cursor to column 10, row 7
        MOVE R2, got
        SYS 3                 ; "You pressed "
        POP R1
        SYS 1                 ; the key itself
        MOVE R1, 13
        SYS 1
        HALT

ask     STR "Press a key: "
got     STR "You pressed "
##
