Upper case
----------
Reads a line and writes it in capitals. The subroutine UPPER walks the
string with register-indirect addressing: (R2) is the word R2 points at.
STORE R1, (R2) writes a character back in place.

##
begin   MOVE R2, prompt
        SYS 3
        MOVE R2, line
        SYS 4                 ; read a line
        MOVE R1, 13
        SYS 1
        MOVE R2, line
        BSR upper             ; capitalise it in place
        MOVE R2, line
        SYS 3
        MOVE R1, 13
        SYS 1
        HALT

; UPPER: capitalises the 0-terminated string at R2.
upper   MOVE R1, (R2)         ; R1 := the character at R2
        BEQ done              ; MOVE sets Z for the terminating 0
        CMP R1, 'a
        BLT keep
        CMP R1, 'z
        BGT keep
        SUB R1, 'a - 'A       ; 32: lower to upper case
        STORE R1, (R2)
keep    INC R2
        BRA upper
done    RTS

prompt  STR "Type a line: "
line    RES 80
        DAT 0xFFFF            ; end marker for the input
##
