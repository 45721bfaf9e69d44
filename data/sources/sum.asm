Sum of two numbers
------------------
Reads two decimal numbers and writes their sum. Terminal service 6 waits
for a number ended by Enter and puts it in R1; service 5 writes R1 as a
signed decimal number. The screen shows the digits typed but not the
Enter, so the program writes a blank and a line end itself.

##
begin   MOVE R2, ask
        SYS 3                 ; "Two numbers: "
        SYS 6                 ; R1 := the first number
        MOVE R2, R1           ; keep it in R2
        MOVE R1, 32
        SYS 1                 ; a blank after it
        SYS 6                 ; R1 := the second number
        ADD R2, R1            ; R2 := first + second
        MOVE R1, 13
        SYS 1                 ; end the line
        MOVE R1, R2
        SYS 5                 ; write the sum
        MOVE R1, 13
        SYS 1
        HALT

ask     STR "Two numbers: "
##
