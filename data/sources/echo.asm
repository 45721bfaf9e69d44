Echo a line
-----------
Asks for a line of text, reads it into a buffer with terminal service 4
and writes it back. The word 0xFFFF after the buffer is the end marker:
input stops before it, so a long line cannot overwrite what follows.

##
begin   MOVE R2, prompt
        SYS 3                 ; "Type a line: "
        MOVE R2, buffer
        SYS 4                 ; read a line into buffer (0-terminated)
        MOVE R1, 13
        SYS 1                 ; the typed line end is not echoed
        MOVE R2, answer
        SYS 3
        MOVE R2, buffer
        SYS 3                 ; write the line back
        MOVE R1, 13
        SYS 1
        HALT

prompt  STR "Type a line: "
answer  STR "You typed: "
buffer  RES 80
        DAT 0xFFFF            ; end marker
##
