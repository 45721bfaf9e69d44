Variables in memory
-------------------
A program keeps its variables in memory words that labels name; DAT
places them with their first value. MOVE R1, (width) reads the word at
width, STORE R1, (area) writes one, and MUL R1, (height) takes its
operand from memory. Without the brackets the label is the address
itself: MOVE R1, width would load the address of width.

##
begin   MOVE R1, (width)      ; R1 := the word at width
        MUL R1, (height)      ; R1 := width * height
        STORE R1, (area)      ; area := R1
        MOVE R1, (area)
        SYS 5                 ; writes 24
        MOVE R1, 13
        SYS 1
        HALT

width   DAT 6
height  DAT 4
area    DAT 0
##
