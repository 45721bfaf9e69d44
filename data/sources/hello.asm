Hello world
-----------
Writes a greeting on the terminal screen and stops.
Terminal service 3 writes the string that starts at the address in R2;
service 1 writes the character in R1 (13 is a line end).

##
begin   MOVE R2, greeting     ; R2 := address of the text
        SYS 3                 ; write the string
        MOVE R1, 13
        SYS 1                 ; end the line
        HALT

greeting STR "Hello, world!"
##
